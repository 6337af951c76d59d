#include "stock/groupsettings/StockGroupPick.h"

#include "groups/GroupData.h"
#include "groups/GroupLookups.h"
#include "platform/MessageBoxes.h"
#include "stock/catalogue/BulkChange.h"
#include "stock/catalogue/EditedProduct.h"
#include "stock/catalogue/ProductWriter.h"

#include <algorithm>

namespace parvela::stock {

namespace {

// The row of `list` whose code is `code`, or -1.
template <typename Group, typename CodeOf>
int rowOf(const std::vector<Group>& list, int code, CodeOf codeOf) {
    const auto found = std::find_if(list.begin(), list.end(),
                                    [&](const Group& group) { return codeOf(group) == code; });
    return found == list.end() ? -1 : static_cast<int>(found - list.begin());
}

template <typename Group> bool exists(const std::vector<Group>& list, int row) {
    return row >= 0 && static_cast<std::size_t>(row) < list.size();
}

} // namespace

StockGroupPick::StockGroupPick(const groups::GroupData& groups)
    : m_allA(groups.allGroupA())
    , m_allB(groups.allGroupB())
    , m_allC(groups.allGroupC()) {}

const std::vector<groups::GroupA>& StockGroupPick::listA() const {
    return m_allA;
}

void StockGroupPick::startFrom(int acode, int bcode, int ccode) {
    pickA(rowOf(listA(), acode, [](const groups::GroupA& g) { return g.acode; }));
    if (m_codes[0] == 0)
        return;
    pickB(rowOf(m_listB, bcode, [](const groups::GroupB& g) { return g.bcode; }));
    pickC(rowOf(m_listC, ccode, [](const groups::GroupC& g) { return g.ccode; }));
}

void StockGroupPick::choose(int level, int code, const QString& name) {
    m_codes[static_cast<std::size_t>(level)] = code;
    m_names[static_cast<std::size_t>(level)] = name;
    for (std::size_t below = static_cast<std::size_t>(level) + 1; below < 3; ++below) {
        m_codes[below] = 0;
        m_names[below].clear();
    }
}

void StockGroupPick::fillC() {
    if (m_codes[1] > 0)
        groups::groupCOfB(m_listC, m_allC, m_codes[1]);
    else
        groups::groupCOfA(m_listC, m_allC, m_codes[0]);
}

void StockGroupPick::pickA(int row) {
    if (!exists(listA(), row))
        return;
    const groups::GroupA& group = listA()[static_cast<std::size_t>(row)];
    choose(0, group.acode, group.wideName);
    groups::groupBOfA(m_listB, m_allB, group.acode);
    fillC();
}

void StockGroupPick::pickB(int row) {
    if (!exists(m_listB, row))
        return;
    const groups::GroupB& group = m_listB[static_cast<std::size_t>(row)];
    choose(1, group.bcode, group.wideName);
    fillC();
}

void StockGroupPick::pickC(int row) {
    if (!exists(m_listC, row))
        return;
    const groups::GroupC& group = m_listC[static_cast<std::size_t>(row)];
    choose(2, group.ccode, group.wideName);
}

bool StockGroupPick::mayFile(platform::MessageBoxes& boxes, QObject* owner) const {
    if (m_codes[0] > 0)
        return true;
    boxes.tell(QStringLiteral("Herhangi bir A grubu seçilmedi"), QStringLiteral("GRUP SECILMEDI"),
               platform::BoxIcon::None, owner);
    return false;
}

void fileUnder(EditedProduct& edited, const StockGroupPick& pick) {
    edited.product.gra = pick.acode();
    edited.product.grb = pick.bcode();
    edited.product.grc = pick.ccode();
    edited.groupNames = pick.names();
}

bool fileUnder(const db::StatementRunner& runner, const std::vector<StockCode>& products,
               const StockGroupPick& pick, std::int64_t* matched,
               const std::function<bool()>& stopped) {
    std::int64_t filed = -1;
    const bool written = runBulkChange(
        runner, db::Operation("UPDATE_SECILI_STOK_GRUP"), assignGroupCaption(), products,
        {kStockRows}, [&] {
            if (moveProductsToGroups(runner, products, pick.acode(), pick.bcode(), pick.ccode()))
                filed = countRows(runner, kStockRows, products);
            return filed >= 0 && !(stopped && stopped());
        });
    if (matched != nullptr)
        *matched = written ? filed : -1;
    return written;
}

} // namespace parvela::stock
