#include "ordering/OrderCells.h"

#include "db/ListReader.h"

#include <algorithm>
#include <unordered_map>

namespace parvela::ordering {

namespace {

bool inScope(const stock::StockDefinition& product, const ProductScope& scope) {
    if (scope.gra)
        return product.gra == *scope.gra;
    if (scope.grb)
        return product.grb == *scope.grb;
    return true;
}

} // namespace

std::vector<OrderCell> menuCells(const std::vector<groups::GroupB>& list) {
    std::vector<OrderCell> cells;
    for (const groups::GroupB& group : list) {
        OrderCell cell;
        cell.code = group.bcode;
        cell.text = group.wideName;
        cell.detail = QString::number(group.bcode);
        cell.highlighted = group.selected;
        cells.push_back(cell);
    }
    return cells;
}

std::vector<OrderCell> productCells(const db::StatementRunner& runner,
                                    const stock::ProductList& products, const ProductScope& scope) {
    std::vector<StokOrderRow> rows;
    readScopeOrder(runner, scope, rows);
    std::unordered_map<std::int64_t, int> stored;
    for (const StokOrderRow& row : rows)
        stored.emplace(row.stcode, row.index_sira);
    std::vector<std::pair<int, OrderCell>> listed;
    for (const stock::StockDefinition& product : products) {
        if (!inScope(product, scope))
            continue;
        OrderCell cell;
        cell.code = product.stcode;
        cell.text = product.stname;
        cell.closed = product.gunmenu <= 0;
        if (cell.closed)
            cell.detail = QStringLiteral("X-Satışa Kapalı");
        const auto found = stored.find(product.stcode);
        listed.emplace_back(found == stored.end() ? stock::kNoOrder : found->second, cell);
    }
    std::stable_sort(listed.begin(), listed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<OrderCell> cells;
    for (auto& [position, cell] : listed)
        cells.push_back(std::move(cell));
    return cells;
}

} // namespace parvela::ordering
