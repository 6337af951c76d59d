#pragma once

#include "records/RecipeLine.h"
#include "records/StockRecords.h"

#include <QString>
#include <vector>

namespace parvela::db {
class StatementRunner;
}
namespace parvela::platform {
class MessageBoxes;
}

// The statements on the recipe lines of the server and on the cost they
// give a product. Each returns 1, or -1 after a reported failure, unless it
// says otherwise.
namespace parvela::recipes {

using stock::StockCode;

// Deletes every line of the product's recipe, then waits a quarter second:
// the other programs of the suite read recipes while they are rewritten.
int deleteRecipe(const db::StatementRunner& runner, StockCode product);
int insertRecipeLine(const db::StatementRunner& runner, StockCode product, StockCode ingredient,
                     double quantity);
int writeUnitCost(const db::StatementRunner& runner, StockCode product, double unitcost);
int writeLineQuantity(const db::StatementRunner& runner, int lineId, double quantity);

// A product that uses an ingredient, with the quantity its recipe takes.
struct Use {
    StockCode product = 0;
    double quantity = 0;
};
// The products whose recipe uses the ingredient; -1 after a reported failure.
int productsUsing(const db::StatementRunner& runner, StockCode ingredient, std::vector<Use>& uses);

// Makes each product its own one-line recipe of quantity 1, in order. The
// number of products whose line was written.
int insertOwnRecipes(const db::StatementRunner& runner, const std::vector<StockCode>& products);
// What the user is told after that: the text of the summary box.
QString ownRecipesSummary(int done, int total);

} // namespace parvela::recipes
