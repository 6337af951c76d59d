#include "recipes/RecipeStatements.h"

#include "db/Row.h"
#include "db/SqlFormat.h"
#include "db/StatementRunner.h"

#include <chrono>
#include <thread>

namespace parvela::recipes {

namespace {

constexpr auto kAfterDelete = std::chrono::milliseconds(250);
const db::Operation kOwnRecipes("INSERT_RECETELER_HEPSI");

int run(const db::StatementRunner& runner, const db::Operation& op, const std::string& text) {
    return runner.execute(op, db::schema::stocks, text) == db::Outcome::Failed ? -1 : 1;
}

std::string deleteStatement(StockCode product) {
    return db::sqlf("CALL DELETE_RECEIPT(%lld);", stock::code64(product));
}

int deleteRecipeAs(const db::StatementRunner& runner, const db::Operation& op, StockCode product) {
    const int result = run(runner, op, deleteStatement(product));
    std::this_thread::sleep_for(kAfterDelete);
    return result;
}

} // namespace

int deleteRecipe(const db::StatementRunner& runner, StockCode product) {
    return deleteRecipeAs(runner, db::Operation("DELETE_RECEIPT"), product);
}

int insertRecipeLine(const db::StatementRunner& runner, StockCode product, StockCode ingredient,
                     double quantity) {
    return run(runner, db::Operation("INTO_RECEIPT"),
               db::sqlf("CALL INTO_RECEIPT(%lld,%lld,%.4f);", stock::code64(product),
                        stock::code64(ingredient), quantity));
}

int writeUnitCost(const db::StatementRunner& runner, StockCode product, double unitcost) {
    return run(runner, db::Operation("UPDATE_STOCK_COST"),
               db::sqlf("UPDATE stocks.stckdef SET unitcost=%.3f WHERE stcode=%lld;", unitcost,
                        stock::code64(product)));
}

int writeLineQuantity(const db::StatementRunner& runner, int lineId, double quantity) {
    return run(runner, db::Operation("UPDATE_RECETE_URUN_MIKTARI"),
               db::sqlf("UPDATE stocks.receipts SET qua=%.6f WHERE Id=%u;", quantity,
                        static_cast<unsigned>(lineId)));
}

int productsUsing(const db::StatementRunner& runner, StockCode ingredient, std::vector<Use>& uses) {
    uses.clear();
    const db::Outcome outcome =
        runner.query(db::Operation("FIND_BAGLI_URUNLER"), db::schema::stocks,
                     db::sqlf("SELECT urun,qua FROM receipts WHERE receipts.ingredient=%lld;",
                              stock::code64(ingredient)),
                     [&](const db::Row& row) {
                         uses.push_back({row.int64(1), row.real(2)});
                     });
    return outcome == db::Outcome::Failed ? -1 : static_cast<int>(uses.size());
}

int insertOwnRecipes(const db::StatementRunner& runner, const std::vector<StockCode>& products) {
    int done = 0;
    for (const StockCode product : products) {
        deleteRecipeAs(runner, kOwnRecipes, product);
        const std::string own = db::sqlf("CALL INTO_RECEIPT(%lld,%lld,%.3f);",
                                         stock::code64(product), stock::code64(product), 1.0);
        if (runner.execute(kOwnRecipes, db::schema::stocks, own) != db::Outcome::Failed)
            ++done;
    }
    return done;
}

QString ownRecipesSummary(int done, int total) {
    return QString::asprintf("%d adet ürün reçetelendirildi.\n %d tane FAILED.. ", done,
                             total - done);
}

} // namespace parvela::recipes
