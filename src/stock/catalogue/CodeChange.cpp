#include "stock/catalogue/CodeChange.h"

#include "db/ListReader.h"
#include "db/SqlFormat.h"
#include "db/StatementRunner.h"

#include <string>
#include <vector>

namespace parvela::stock {

namespace {

struct Kettle {
    int code = 0;
    QString name;
};

std::vector<Kettle> readKettles(const db::StatementRunner& runner) {
    std::vector<Kettle> kettles;
    db::readList(runner, db::Operation("READ_KAZAN_TANIMLARI"), db::schema::imalatkazani,
                 "SELECT code,name FROM kznlr;", kettles, [](const db::Row& row) {
                     return Kettle{row.integer(1), row.text(2).left(63)};
                 });
    return kettles;
}

void recodeKettleTables(const db::StatementRunner& runner, long long oldCode, long long newCode) {
    const std::vector<Kettle> kettles = readKettles(runner);
    for (const char* suffix : {"input", "output"}) {
        for (const Kettle& kettle : kettles) {
            const std::string table = std::to_string(kettle.code) + suffix;
            (void)runner.execute(db::Operation("UPDATE_STOCK_CODE_KAZANLAR"),
                                 db::schema::imalatkazani,
                                 db::sqlf("UPDATE %s SET %s.stcode=%lld WHERE stcode=%lld;",
                                          table.c_str(), table.c_str(), newCode, oldCode));
        }
    }
}

} // namespace

int changeProductCode(const db::StatementRunner& runner, StockCode oldCode, StockCode newCode) {
    const auto from = static_cast<long long>(oldCode);
    const auto to = static_cast<long long>(newCode);
    const db::ServerLossScope scope(runner);
    recodeKettleTables(runner, from, to);

    const auto step = [&](const char* tag, std::string_view schemaName, const std::string& text) {
        return runner.execute(db::Operation(tag), schemaName, text);
    };
    step("UPDATE_STOK_CODE_IN_STOKMOVES", db::schema::stocks,
         db::sqlf("UPDATE stocks.moves SET stocks.moves.stcode=%lld WHERE "
                  "stocks.moves.stcode=%lld;",
                  to, from));
    // The later steps run even when this one fails, but the caller is told:
    // the product itself kept its old code.
    const bool recoded = step("UPDATE_STOK_CODE_IN_STOKTANIMI", db::schema::stocks,
                              db::sqlf("UPDATE stocks.stckdef SET stocks.stckdef.stcode=%lld "
                                       "WHERE stocks.stckdef.stcode=%lld;",
                                       to, from)) != db::Outcome::Failed;
    step("UPDATE_STOK_CODE_IN_ORDER_ITEMS", db::schema::oturum,
         db::sqlf("UPDATE orderitems SET orderitems.stcode=%lld WHERE orderitems.stcode=%lld;", to,
                  from));
    step("UPDATE_STOK_CODE_IN_ITEMS_ARCH", db::schema::oturum,
         db::sqlf("UPDATE orderitarch SET orderitarch.stcode=%lld WHERE orderitarch.stcode=%lld;",
                  to, from));
    step("UPDATE_STOK_CODE_IN_ORDER_DETAILS", db::schema::oturum,
         db::sqlf("UPDATE orddetails SET orddetails.stcode=%lld WHERE orddetails.stcode=%lld;"
                  "UPDATE orddetails SET orddetails.stkcd=%lld WHERE orddetails.stkcd=%lld;",
                  to, from, to, from));
    step("UPDATE_STOK_CODE_IN_ORDER_DETARCH", db::schema::oturum,
         db::sqlf("UPDATE orddetailarch SET orddetailarch.stcode=%lld WHERE "
                  "orddetailarch.stcode=%lld;"
                  "UPDATE orddetailarch SET orddetailarch.stkcd=%lld WHERE "
                  "orddetailarch.stkcd=%lld;",
                  to, from, to, from));
    step("UPDATE_STOK_CODE_IN_INDIRIM_TABLO", db::schema::stocks,
         db::sqlf("UPDATE stocks.indirim_tablosu SET stocks.indirim_tablosu.stcode=%lld WHERE "
                  "stocks.indirim_tablosu.stcode=%lld;",
                  to, from));
    step("UPDATE_STOK_CODE_IN_IMAGES", db::schema::stocks,
         db::sqlf("UPDATE stocks.images SET stocks.images.stcode=%lld WHERE "
                  "stocks.images.stcode=%lld;",
                  to, from));
    step("UPDATE_STOK_CODE_IN_COLORS", db::schema::stocks,
         db::sqlf("UPDATE stocks.colors SET stocks.colors.stcode=%lld WHERE "
                  "stocks.colors.stcode=%lld;",
                  to, from));
    return recoded ? 1 : -1;
}

} // namespace parvela::stock
