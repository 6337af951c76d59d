#include "stock/groupsettings/StockGroupWindows.h"

#include "platform/BackgroundJobs.h"
#include "platform/BulkChangeBoxes.h"
#include "platform/MessageBoxes.h"
#include "records/CatalogueEdits.h"
#include "stock/catalogue/EditedProduct.h"
#include "stock/catalogue/StockContext.h"
#include "stock/groupsettings/GroupSettingsDialog.h"
#include "stock/groupsettings/StockGroupDialog.h"

namespace parvela::stock {

void StockGroupWindows::assignGroup(const std::vector<StockCode>& marked, QWidget* owner) {
    if (marked.empty()) {
        m_context.boxes.tell(QStringLiteral("İşaretli ürün yok: önce gruba atanacak ürünleri "
                                            "işaretleyiniz (Ctrl + tıklama)."),
                             QStringLiteral("STOGUN GRUBU"), platform::BoxIcon::Information, owner);
        return;
    }
    StockGroupPick pick(m_context.groups);
    StockGroupDialog dialog(pick, m_context.boxes, owner);
    if (dialog.exec() != QDialog::Accepted ||
        !platform::confirmBulkChange(m_context.boxes, assignGroupCaption(), marked.size(), owner))
        return;
    std::int64_t filed = -1;
    const db::ChangeEnd ended = db::runChangeBehindProgress(
        m_context.runner, m_context.boxes, m_context.behindProgress, assignGroupCaption(),
        [&](const db::StatementRunner& runner, platform::JobReport& report) {
            return fileUnder(runner, marked, pick, &filed,
                             [&report] { return report.cancelled(); });
        },
        owner);
    if (ended != db::ChangeEnd::Written) {
        if (ended == db::ChangeEnd::Cancelled)
            platform::tellBulkCancelled(m_context.boxes, assignGroupCaption(), owner);
        readAgainLater(m_context);
        return;
    }
    const int gra = pick.acode();
    const int grb = pick.bcode();
    const int grc = pick.ccode();
    changeProducts(m_context.catalogue, marked, [=](StockDefinition& p) {
        p.gra = gra;
        p.grb = grb;
        p.grc = grc;
    });
    readAgainLater(m_context);
    platform::tellBulkChanged(m_context.boxes, assignGroupCaption(),
                              static_cast<std::uint64_t>(filed), owner);
}

void StockGroupWindows::chooseGroup(EditedProduct& product, QWidget* owner) {
    StockGroupPick pick(m_context.groups);
    pick.startFrom(product.product.gra, product.product.grb, product.product.grc);
    StockGroupDialog dialog(pick, m_context.boxes, owner);
    if (dialog.exec() == QDialog::Accepted)
        fileUnder(product, pick);
}

void StockGroupWindows::groupSettings(std::function<ListedCodes()> listedNow, QWidget* owner) {
    GroupSettings settings(m_context, std::move(listedNow));
    const CatalogueRef lists = m_context.catalogue.current();
    GroupSettingsDialog dialog(settings, *lists, m_lastColour, owner);
    dialog.exec();
}

} // namespace parvela::stock
