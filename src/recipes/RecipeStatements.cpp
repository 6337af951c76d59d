#include "recipes/RecipeStatements.h"

#include "db/Row.h"
#include "db/SqlFormat.h"
#include "db/StatementBatch.h"
#include "db/StatementRunner.h"
#include "db/Transaction.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace parvela::recipes {

namespace {

constexpr auto kAfterDelete = std::chrono::milliseconds(250);
const db::Operation kOwnRecipes("INSERT_RECETELER_HEPSI");
const db::Operation kIntoReceipt("INTO_RECEIPT");
const db::Operation kUnitCost("UPDATE_STOCK_COST");

int run(const db::StatementRunner& runner, const db::Operation& op, const std::string& text) {
    return runner.execute(op, db::schema::stocks, text) == db::Outcome::Failed ? -1 : 1;
}

std::string deleteStatement(StockCode product) {
    return db::sqlf("CALL DELETE_RECEIPT(%lld);", stock::code64(product));
}

std::string insertLineStatement(StockCode product, StockCode ingredient, double quantity) {
    return db::sqlf("CALL INTO_RECEIPT(%lld,%lld,%.4f);", stock::code64(product),
                    stock::code64(ingredient), quantity);
}

std::string unitCostStatement(StockCode product, double unitcost) {
    return db::sqlf("UPDATE stocks.stckdef SET unitcost=%.3f WHERE stcode=%lld;", unitcost,
                    stock::code64(product));
}

// Inside a transaction readers see the old lines till the commit: no pause.
int deleteRecipeAs(const db::StatementRunner& runner, const db::Operation& op, StockCode product) {
    const int result = run(runner, op, deleteStatement(product));
    if (!runner.inTransaction())
        std::this_thread::sleep_for(kAfterDelete);
    return result;
}

} // namespace

int lockProduct(const db::StatementRunner& runner, const db::Operation& op, StockCode product) {
    const db::Outcome outcome = runner.query(
        op, db::schema::stocks,
        db::sqlf("SELECT stcode FROM stocks.stckdef WHERE stcode=%lld FOR UPDATE WAIT %d;",
                 stock::code64(product), kLockWaitSeconds),
        [](const db::Row&) {});
    return outcome == db::Outcome::Failed ? -1 : 1;
}

int deleteRecipe(const db::StatementRunner& runner, StockCode product) {
    return deleteRecipeAs(runner, db::Operation("DELETE_RECEIPT"), product);
}

int writeUnitCost(const db::StatementRunner& runner, StockCode product, double unitcost) {
    return run(runner, kUnitCost, unitCostStatement(product, unitcost));
}

int writeUnitCosts(const db::StatementRunner& runner,
                   const std::vector<std::pair<StockCode, double>>& costs) {
    std::vector<std::string> statements;
    statements.reserve(costs.size());
    for (const auto& [product, unitcost] : costs)
        statements.push_back(unitCostStatement(product, unitcost));
    return db::executeAll(runner, kUnitCost, db::schema::stocks, statements) == db::Outcome::Failed
               ? -1
               : 1;
}

bool writeRecipe(const db::StatementRunner& runner, StockCode product,
                 const std::vector<RecipeLine>& lines, double unitcost) {
    // A change that cannot begin fails under its first statement's tag.
    const db::Operation op("DELETE_RECEIPT");
    db::Transaction change(runner, op);
    lockProduct(runner, op, product);
    deleteRecipe(runner, product);
    // The lines go in one call: at a distance each call is a round trip.
    std::vector<std::string> inserts;
    inserts.reserve(lines.size());
    for (const RecipeLine& line : lines)
        inserts.push_back(insertLineStatement(product, line.ingredient, line.qua));
    (void)db::executeAll(runner, kIntoReceipt, db::schema::stocks, inserts);
    writeUnitCost(runner, product, unitcost);
    return change.commit() == db::Outcome::Completed;
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

// All of them or none: one transaction, the statements sent in batches;
// between two batches is where a cancel takes everything back.
int insertOwnRecipes(const db::StatementRunner& runner, const std::vector<StockCode>& products,
                     const LongWork& work) {
    if (products.empty())
        return 0;
    std::vector<std::string> codes;
    std::vector<std::string> texts;
    codes.reserve(products.size());
    texts.reserve(2 * products.size());
    for (const StockCode product : products) {
        codes.push_back(std::to_string(stock::code64(product)));
        texts.push_back(deleteStatement(product));
        texts.push_back(db::sqlf("CALL INTO_RECEIPT(%lld,%lld,%.3f);", stock::code64(product),
                                 stock::code64(product), 1.0));
    }
    db::Transaction change(runner, kOwnRecipes);
    change.journalAs(kOwnRecipesCaption.toStdString());
    change.keep(db::schema::stocks, "receipts", "urun", codes);
    const auto cancelled = [&work] {
        return work.cancelled && work.cancelled();
    };
    for (std::size_t first = 0; first < texts.size() && !change.failed();
         first += db::kStatementsPerCall) {
        if (cancelled()) {
            change.rollback();
            return kCancelled;
        }
        const std::size_t last = std::min(texts.size(), first + db::kStatementsPerCall);
        (void)db::executeAll(
            runner, kOwnRecipes, db::schema::stocks,
            std::vector<std::string>(texts.begin() + static_cast<std::ptrdiff_t>(first),
                                     texts.begin() + static_cast<std::ptrdiff_t>(last)));
        if (work.step)
            work.step(static_cast<int>(last / 2));
    }
    if (cancelled()) {
        change.rollback();
        return kCancelled;
    }
    return change.commit() == db::Outcome::Completed ? static_cast<int>(products.size()) : 0;
}

QString ownRecipesQuestion(int total) {
    return QStringLiteral("%1 ürünün reçetesi silinecek ve her biri kendi reçetesi (1 adet "
                          "kendisi) olacak.\nDevam etmek istiyor musunuz?")
        .arg(total);
}

QString ownRecipesSummary(int done, int total) {
    if (done == kCancelled)
        return QStringLiteral("İşlem iptal edildi; hiçbir ürünün reçetesi değişmedi.");
    return QString::asprintf("%d adet ürün reçetelendirildi.\n %d tane FAILED.. ", done,
                             total - done);
}

} // namespace parvela::recipes
