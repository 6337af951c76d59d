#include "stock/catalogue/WeighedProducts.h"

#include "groups/GroupData.h"
#include "groups/GroupLookups.h"
#include "platform/MessageBoxes.h"
#include "stock/catalogue/ProductWriter.h"

namespace parvela::stock {

namespace {

const QString kMoveCaption = QStringLiteral("UPDATE_TERAZI_STOK_GRUBU");

bool agreed(platform::MessageBoxes& boxes, bool groupB, QObject* owner) {
    platform::BoxRequest question;
    question.text =
        groupB
            ? QStringLiteral("Terazide TARTILAN tüm stoklar bu B gruba atanıyor...Emin misiniz???")
            : QStringLiteral("Terazide TARTILAN tüm stoklar bu gruba atanıyor...Emin misiniz???");
    question.caption = kMoveCaption;
    question.icon = platform::BoxIcon::Question;
    question.buttons = platform::BoxButtons::YesNo;
    question.owner = owner;
    return boxes.show(question) == platform::BoxAnswer::Yes;
}

} // namespace

bool moveWeighedToSelectedGroup(const db::StatementRunner& runner, platform::MessageBoxes& boxes,
                                const groups::GroupData& groups, bool groupB, QObject* owner) {
    if (!agreed(boxes, groupB, owner))
        return false;
    const int code = groupB ? groups::selectedGroupBCode(groups.screenB(), boxes)
                            : groups::selectedGroupACode(groups.screenA(), boxes);
    if (code < 0)
        return false;
    const int moved =
        groupB ? moveWeighedToGroupB(runner, code) : moveWeighedToGroupA(runner, code);
    boxes.tell(QStringLiteral("Updating Grup finished.."), kMoveCaption, platform::BoxIcon::None,
               owner);
    return moved >= 0;
}

} // namespace parvela::stock
