#include "stock/catalogue/CostPropagation.h"

#include "db/DatabaseThread.h"
#include "db/Row.h"
#include "db/SqlFormat.h"
#include "db/StatementRunner.h"
#include "db/Transaction.h"
#include "platform/BackgroundJobs.h"
#include "recipes/RecipeStatements.h"
#include "stock/catalogue/ProductWriter.h"

#include <algorithm>

namespace parvela::stock {

namespace {

// Costs a call carries: each call is a round trip to a distant server, and
// "İptal" is heard between two of them.
constexpr std::size_t kCostsPerCall = 100;

std::vector<StockCode> productsUsing(const db::StatementRunner& runner, StockCode ingredient,
                                     bool& failed) {
    std::vector<StockCode> codes;
    const db::Outcome outcome = runner.query(
        db::Operation("RETRIEVE_BAGLI_URUNLER"), db::schema::stocks,
        db::sqlf("SELECT urun FROM receipts WHERE receipts.ingredient=%lld;", code64(ingredient)),
        [&](const db::Row& row) { codes.push_back(row.int64(1)); });
    failed = outcome == db::Outcome::Failed;
    return codes;
}

} // namespace

int propagateCost(const db::StatementRunner& runner, StockCode saved,
                  const recipes::CostIndex& costs, platform::JobReport& report) {
    bool failed = false;
    const std::vector<StockCode> users = productsUsing(runner, saved, failed);
    if (failed)
        return -1;
    const int count = static_cast<int>(users.size());
    report.setRange(count);
    // All the users' costs or none: a failure or a cancel half-way leaves
    // every cost as the server had it.
    db::Transaction change(runner, db::Operation("UPDATE_STOK_MALIYET"));
    for (std::size_t first = 0; first < users.size(); first += kCostsPerCall) {
        if (report.cancelled())
            return count;
        const std::size_t end = std::min(users.size(), first + kCostsPerCall);
        std::vector<std::pair<StockCode, double>> batch;
        batch.reserve(end - first);
        for (std::size_t i = first; i < end; ++i)
            batch.emplace_back(users[i], costs.recipeCost(users[i]));
        recipes::writeUnitCosts(runner, batch);
        report.step(static_cast<int>(end));
    }
    return change.commit() == db::Outcome::Completed ? count : -1;
}

std::function<void(platform::JobReport&)>
costPropagationJob(const db::StatementRunner& runner, StockCode saved,
                   std::shared_ptr<const recipes::CostIndex> costs) {
    return [&runner, saved, costs = std::move(costs)](platform::JobReport& report) {
        const db::DatabaseThread databaseThread;
        propagateCost(runner.withBoxes(report.boxes()), saved, *costs, report);
    };
}

} // namespace parvela::stock
