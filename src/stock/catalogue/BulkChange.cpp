#include "stock/catalogue/BulkChange.h"

#include "db/Row.h"
#include "db/Transaction.h"

namespace parvela::stock {

std::vector<std::string> codeKeys(const std::vector<StockCode>& codes) {
    std::vector<std::string> keys;
    keys.reserve(codes.size());
    for (const StockCode code : codes)
        keys.push_back(std::to_string(code));
    return keys;
}

bool runBulkChange(const db::StatementRunner& runner, const db::Operation& op,
                   const QString& caption, const std::vector<StockCode>& codes,
                   const std::vector<ProductRows>& tables, const std::function<bool()>& write) {
    db::Transaction change(runner, op);
    change.journalAs(caption.toStdString());
    const std::vector<std::string> keys = codeKeys(codes);
    for (const ProductRows& rows : tables)
        change.keep(rows.schemaName, rows.table, rows.column, keys);
    if (change.failed() || !write())
        return false;
    return change.commit() == db::Outcome::Completed;
}

std::int64_t countRows(const db::StatementRunner& runner, const ProductRows& rows,
                       const std::vector<StockCode>& codes) {
    if (codes.empty())
        return 0;
    std::string text = "SELECT COUNT(*) FROM " + std::string(rows.schemaName) + "." +
                       std::string(rows.table) + " WHERE " + std::string(rows.column) + " IN (";
    for (std::size_t i = 0; i < codes.size(); ++i)
        text += (i == 0 ? "" : ",") + std::to_string(codes[i]);
    text += ");";
    std::int64_t count = 0;
    if (runner.queryFirst(db::Operation("COUNT_CHANGED_ROWS"), rows.schemaName, text,
                          [&count](const db::Row& row) { count = row.int64(1); }) ==
        db::Outcome::Failed)
        return -1;
    return count;
}

} // namespace parvela::stock
