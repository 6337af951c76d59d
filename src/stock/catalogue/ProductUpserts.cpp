#include "stock/catalogue/ProductUpserts.h"

#include "db/SqlFormat.h"
#include "db/StatementRunner.h"

namespace parvela::stock {

namespace {

enum class Existing { Yes, No, Unknown };

// A reported failure leaves the upsert unwritten; a driver complaint
// without an error code goes on.
Existing rowExists(const db::StatementRunner& runner, const db::Operation& op,
                   const std::string& query) {
    bool found = false;
    if (runner.queryFirst(op, db::schema::stocks, query,
                          [&found](const db::Row&) { found = true; }) == db::Outcome::Failed)
        return Existing::Unknown;
    return found ? Existing::Yes : Existing::No;
}

// The product's upserts run every statement under the one tag.
RowUpsert underOneTag(const db::Operation& op, std::string query, std::string update,
                      std::string insert) {
    return {op, std::move(query), op, std::move(update), op, std::move(insert)};
}

} // namespace

bool upsert(const db::StatementRunner& runner, const RowUpsert& row) {
    const Existing existing = rowExists(runner, row.queryOp, row.query);
    if (existing == Existing::Unknown)
        return false;
    if (existing == Existing::Yes)
        return runner.execute(row.updateOp, db::schema::stocks, row.update) != db::Outcome::Failed;
    // Inside a change a failed insert ends the change: it must say why.
    if (runner.inTransaction())
        return runner.execute(row.insertOp, db::schema::stocks, row.insert) != db::Outcome::Failed;
    if (runner.executeQuietly(row.insertOp, db::schema::stocks, row.insert) != db::Outcome::Failed)
        return true;
    // Another station saving the same product may have inserted its row
    // since the query: the table keeps one row per product, so this insert
    // lost and the row is there to update.
    if (rowExists(runner, row.queryOp, row.query) == Existing::Yes)
        return runner.execute(row.updateOp, db::schema::stocks, row.update) != db::Outcome::Failed;
    // Not that: the insert again, to say why it fails.
    return runner.execute(row.insertOp, db::schema::stocks, row.insert) != db::Outcome::Failed;
}

bool upsertColours(const db::StatementRunner& runner, const StockDefinition& p) {
    const long long code = code64(p.stcode);
    return upsert(
        runner,
        underOneTag(
            db::Operation("UPDATE_STOK_RENGI"),
            db::sqlf("SELECT * FROM colors WHERE stcode=%lld;", code),
            db::sqlf("UPDATE colors SET red=%d,green=%d,blue=%d,redfnt=%d,greenfnt=%d,bluefnt=%d "
                     "WHERE stcode=%lld;",
                     p.red, p.green, p.blue, p.redfnt, p.greenfnt, p.bluefnt, code),
            db::sqlf("INSERT INTO colors(stcode,red,green,blue,redfnt,greenfnt,bluefnt) "
                     "VALUES(%lld,%d,%d,%d,%d,%d,%d);",
                     code, p.red, p.green, p.blue, p.redfnt, p.greenfnt, p.bluefnt)));
}

bool upsertDiscount(const db::StatementRunner& runner, const StockDefinition& p) {
    const long long code = code64(p.stcode);
    const double peraken = static_cast<double>(p.peraken);
    const double yuzde = static_cast<double>(p.yuzde);
    return upsert(
        runner,
        underOneTag(
            db::Operation("UPDATE_DISCOUNT_TABLE"),
            db::sqlf("SELECT * FROM stocks.indirim_tablosu WHERE indirim_tablosu.stcode=%lld;",
                     code),
            db::sqlf("UPDATE indirim_tablosu SET peraken=%.2f, yuzde=%.3f WHERE stcode=%lld;",
                     peraken, yuzde, code),
            db::sqlf("INSERT INTO indirim_tablosu(carikod,stcode,peraken,yuzde) "
                     "VALUES(%d,%lld,%.2f,%.3f);",
                     kDiscountAccount, code, peraken, yuzde)));
}

bool writeRegionPrice(const db::StatementRunner& runner, const StockDefinition& p) {
    const RegionPrice& region = p.regionPrice;
    if (region.fiyat_fark == 0.0F)
        return true;
    // The insert runs whether the delete did or not, as the other programs do.
    const bool deleted =
        runner.execute(db::Operation("DELETE_FROM_BOLGE_FIYAT"), db::schema::stocks,
                       db::sqlf("DELETE FROM bolge_urun_fiyat WHERE bolgekod=%d AND stcode=%lld;",
                                region.bolgekod, code64(p.stcode))) != db::Outcome::Failed;
    const bool inserted =
        runner.execute(
            db::Operation("INSERT_BOLGE_FIYAT"), db::schema::stocks,
            db::sqlf(
                "INSERT INTO bolge_urun_fiyat(bolgekod,stcode,fiyat_fark) VALUES(%d,%lld,%.2f);",
                region.bolgekod, code64(p.stcode), static_cast<double>(region.fiyat_fark))) !=
        db::Outcome::Failed;
    return deleted && inserted;
}

} // namespace parvela::stock
