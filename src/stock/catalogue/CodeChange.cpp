#include "stock/catalogue/CodeChange.h"

#include "db/ListReader.h"
#include "db/SqlFormat.h"
#include "db/StatementRunner.h"
#include "db/Transaction.h"

#include <string>
#include <vector>

namespace parvela::stock {

namespace {

struct Kettle {
    int code = 0;
    QString name;
};

// A column that holds a product's code, outside the tables the change has
// always re-coded one by one.
struct CodeColumn {
    const char* tag;
    const char* table;
    const char* column;
};

// Sizes, price windows, order positions, region prices, quick sale, game,
// recipes, cost parts, bundles, options and substitutes (as menu, line and
// substitute), and the till notes.
constexpr CodeColumn kCodeColumns[] = {
    {"UPDATE_STOK_CODE_IN_SIZES", "stocks.sml_med_lrg", "stcode"},
    {"UPDATE_STOK_CODE_IN_PRICE_TIMES", "stocks.prctimes", "stcode"},
    {"UPDATE_STOK_CODE_IN_STOK_ORDER", "stocks.stok_order", "stcode"},
    {"UPDATE_STOK_CODE_IN_REGION_PRICES", "stocks.bolge_urun_fiyat", "stcode"},
    {"UPDATE_STOK_CODE_IN_QUICK_SALE", "stocks.hizli_satis_stok", "stcode"},
    {"UPDATE_STOK_CODE_IN_GAME_TABLE", "stocks.game_table", "stcode"},
    {"UPDATE_STOK_CODE_IN_RECEIPTS", "stocks.receipts", "urun"},
    {"UPDATE_STOK_CODE_IN_RECEIPTS", "stocks.receipts", "ingredient"},
    {"UPDATE_STOK_CODE_IN_COST_PARTS", "stocks.maliyet_bileseni", "urun"},
    {"UPDATE_STOK_CODE_IN_COST_PARTS", "stocks.maliyet_bileseni", "ingredient"},
    {"UPDATE_STOK_CODE_IN_BUNDLES", "stocks.stckbundle", "urun"},
    {"UPDATE_STOK_CODE_IN_BUNDLES", "stocks.stckbundle", "ingredient"},
    {"UPDATE_STOK_CODE_IN_OPTIONS", "stocks.stckopsiyon", "urun"},
    {"UPDATE_STOK_CODE_IN_OPTIONS", "stocks.stckopsiyon", "ingredient"},
    {"UPDATE_STOK_CODE_IN_SUBSTITUTES", "stocks.subst_bundle", "menu_stcode"},
    {"UPDATE_STOK_CODE_IN_SUBSTITUTES", "stocks.subst_bundle", "urun_code"},
    {"UPDATE_STOK_CODE_IN_SUBSTITUTES", "stocks.subst_bundle", "sub_urun_code"},
    {"UPDATE_STOK_CODE_IN_SPECS", "`groups`.specs", "fcode"},
};

std::vector<Kettle> readKettles(const db::StatementRunner& runner, bool& read) {
    std::vector<Kettle> kettles;
    read = db::readList(runner, db::Operation("READ_KAZAN_TANIMLARI"), db::schema::imalatkazani,
                        "SELECT code,name FROM kznlr;", kettles, [](const db::Row& row) {
                            return Kettle{row.integer(1), row.text(2).left(63)};
                        }) != db::kReadFailed;
    return kettles;
}

void recodeKettleTables(const db::StatementRunner& runner, const std::vector<Kettle>& kettles,
                        long long oldCode, long long newCode) {
    for (const char* suffix : {"input", "output"}) {
        for (const Kettle& kettle : kettles) {
            const std::string table = "imalatkazani.`" + std::to_string(kettle.code) + suffix + "`";
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
    bool kettlesRead = false;
    const std::vector<Kettle> kettles = readKettles(runner, kettlesRead);
    if (!kettlesRead)
        return -1;

    db::Transaction change(runner, db::Operation("UPDATE_STOK_CODE"));
    recodeKettleTables(runner, kettles, from, to);
    const auto step = [&](const char* tag, std::string_view schemaName, const std::string& text) {
        (void)runner.execute(db::Operation(tag), schemaName, text);
    };
    step("UPDATE_STOK_CODE_IN_STOKMOVES", db::schema::stocks,
         db::sqlf("UPDATE stocks.moves SET stocks.moves.stcode=%lld WHERE "
                  "stocks.moves.stcode=%lld;",
                  to, from));
    step("UPDATE_STOK_CODE_IN_STOKTANIMI", db::schema::stocks,
         db::sqlf("UPDATE stocks.stckdef SET stocks.stckdef.stcode=%lld "
                  "WHERE stocks.stckdef.stcode=%lld;",
                  to, from));
    step("UPDATE_STOK_CODE_IN_ORDER_ITEMS", db::schema::oturum,
         db::sqlf("UPDATE oturum.orderitems SET oturum.orderitems.stcode=%lld WHERE "
                  "oturum.orderitems.stcode=%lld;",
                  to, from));
    step("UPDATE_STOK_CODE_IN_ITEMS_ARCH", db::schema::oturum,
         db::sqlf("UPDATE oturum.orderitarch SET oturum.orderitarch.stcode=%lld WHERE "
                  "oturum.orderitarch.stcode=%lld;",
                  to, from));
    step("UPDATE_STOK_CODE_IN_ORDER_DETAILS", db::schema::oturum,
         db::sqlf("UPDATE oturum.orddetails SET oturum.orddetails.stcode=%lld WHERE "
                  "oturum.orddetails.stcode=%lld;"
                  "UPDATE oturum.orddetails SET oturum.orddetails.stkcd=%lld WHERE "
                  "oturum.orddetails.stkcd=%lld;",
                  to, from, to, from));
    step("UPDATE_STOK_CODE_IN_ORDER_DETARCH", db::schema::oturum,
         db::sqlf("UPDATE oturum.orddetailarch SET oturum.orddetailarch.stcode=%lld WHERE "
                  "oturum.orddetailarch.stcode=%lld;"
                  "UPDATE oturum.orddetailarch SET oturum.orddetailarch.stkcd=%lld WHERE "
                  "oturum.orddetailarch.stkcd=%lld;",
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
    for (const CodeColumn& column : kCodeColumns) {
        step(column.tag, db::schema::stocks,
             db::sqlf("UPDATE %s SET %s=%lld WHERE %s=%lld;", column.table, column.column, to,
                      column.column, from));
    }
    return change.commit() == db::Outcome::Completed ? 1 : -1;
}

} // namespace parvela::stock
