#include "stock/catalogue/ProductChecks.h"

#include "db/SqlFormat.h"
#include "db/StatementRunner.h"

namespace parvela::stock {

namespace {

bool anyRow(const db::StatementRunner& runner, const char* tag, std::string_view schemaName,
            const std::string& text) {
    bool found = false;
    const db::Outcome outcome = runner.queryFirst(db::Operation(tag), schemaName, text,
                                                  [&found](const db::Row&) { found = true; });
    return found || outcome == db::Outcome::Failed;
}

} // namespace

bool stockCodeExists(const db::StatementRunner& runner, StockCode code) {
    return anyRow(runner, "Check_if_StokCode_Exists", db::schema::stocks,
                  db::sqlf("SELECT * FROM stocks.stckdef WHERE stcode=%lld;", code64(code)));
}

bool isOnOpenBill(const db::StatementRunner& runner, StockCode code) {
    return anyRow(runner, "is_URUN_ACIK", db::schema::oturum,
                  db::sqlf("SELECT * FROM orderitems WHERE orderitems.stcode=%lld;", code64(code)));
}

bool hasSalesHistory(const db::StatementRunner& runner, StockCode code) {
    return anyRow(runner, "Check_Satis_Hareketi-1", db::schema::oturum,
                  db::sqlf("SELECT * FROM orderitems WHERE stcode=%lld;", code64(code))) ||
           anyRow(runner, "Check_Satis_Hareketi-2", db::schema::oturum,
                  db::sqlf("SELECT * FROM orderitarch WHERE stcode=%lld;", code64(code)));
}

bool hasStockMovements(const db::StatementRunner& runner, StockCode code) {
    return anyRow(runner, "Check_Stok_Hareketi", db::schema::stocks,
                  db::sqlf("SELECT * FROM stocks.moves WHERE stcode=%lld;", code64(code)));
}

} // namespace parvela::stock
