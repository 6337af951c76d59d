#pragma once

#include "records/RecipeLine.h"
#include "records/StockRecords.h"

#include <QString>
#include <functional>
#include <utility>
#include <vector>

namespace parvela::db {
struct Operation;
class StatementRunner;
} // namespace parvela::db
namespace parvela::platform {
class MessageBoxes;
}

// The statements on the recipe lines of the server and on the cost they
// give a product. Each returns 1, or -1 after a reported failure, unless it
// says otherwise.
namespace parvela::recipes {

using stock::StockCode;

// Seconds a save waits for another station's save of the same rows; below
// the connection's read time-out, so a long wait fails as a lock, not a loss.
inline constexpr int kLockWaitSeconds = 20;
// Locks the product's row till the end of the transaction: two stations
// saving its lines take turns, and the later one's lines win whole.
int lockProduct(const db::StatementRunner& runner, const db::Operation& op, StockCode product);

// Deletes every line of the product's recipe, then, outside a transaction,
// waits a quarter second: the other programs of the suite read recipes while
// they are rewritten.
int deleteRecipe(const db::StatementRunner& runner, StockCode product);
int writeUnitCost(const db::StatementRunner& runner, StockCode product, double unitcost);
// The same for several products in one call, under the same tag.
int writeUnitCosts(const db::StatementRunner& runner,
                   const std::vector<std::pair<StockCode, double>>& costs);
// The product's recipe replaced by the lines and its cost written, in one
// transaction behind its row lock; true when all of it was written.
bool writeRecipe(const db::StatementRunner& runner, StockCode product,
                 const std::vector<RecipeLine>& lines, double unitcost);
int writeLineQuantity(const db::StatementRunner& runner, int lineId, double quantity);

// A product that uses an ingredient, with the quantity its recipe takes.
struct Use {
    StockCode product = 0;
    double quantity = 0;
};
// The products whose recipe uses the ingredient; -1 after a reported failure.
int productsUsing(const db::StatementRunner& runner, StockCode ingredient, std::vector<Use>& uses);

// What long work reports and asks: how many items are done, and whether
// the user cancelled. Either may be empty.
struct LongWork {
    std::function<void(int)> step;
    std::function<bool()> cancelled;
};
inline constexpr int kCancelled = -1;
// Makes each product its own one-line recipe of quantity 1, in one
// transaction: the number of products written, all of them or 0, or
// kCancelled when the user cancelled (nothing written either).
int insertOwnRecipes(const db::StatementRunner& runner, const std::vector<StockCode>& products,
                     const LongWork& work = {});
// The caption of that change in the change journal.
inline const QString kOwnRecipesCaption = QStringLiteral("Kendi Reçetesi");
// The question asked before it, naming how many recipes it replaces.
QString ownRecipesQuestion(int total);
// What the user is told after that: the text of the summary box.
QString ownRecipesSummary(int done, int total);

} // namespace parvela::recipes
