#pragma once

#include "recipes/RecipeLists.h"
#include "records/StockDefinition.h"

#include <functional>
#include <vector>

namespace parvela::db {
class StatementRunner;
}
namespace parvela::groups {
class GroupData;
}
namespace parvela::platform {
class MessageBoxes;
}

class QWidget;

namespace parvela::recipes {

// Opens the cost report of a product; empty while there is none.
using CostReportOpen = std::function<void(const stock::StockDefinition&, QWidget*)>;

// What the recipe, menu and option windows reach of the program: the one
// runner and boxes, the product list (whose entries a save replaces in
// place), the units, the groups and the line lists.
struct RecipeContext {
    const db::StatementRunner& runner;
    platform::MessageBoxes& boxes;
    std::vector<stock::StockDefinition>& products;
    const std::vector<stock::Unit>& units;
    const groups::GroupData& groups;
    RecipeLists& lists;
    // After the product entries changed in place: the program brings the
    // lists built from them up to date and tells the windows that show them.
    std::function<void()> productsChanged;
    // Reads the products again from the server (their count, or -1).
    std::function<int()> rereadProducts;
};

} // namespace parvela::recipes
