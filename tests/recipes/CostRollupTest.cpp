#include "recipes/CostRollup.h"

#include "CatalogFixtures.h"

#include <gtest/gtest.h>

using namespace parvela;

namespace {

stock::StockDefinition product(stock::StockCode code, double unitcost, bool hasRecipe = false) {
    stock::StockDefinition p;
    p.stcode = code;
    p.stname = QStringLiteral("ürün %1").arg(code);
    p.unit = "kg";
    p.unitcost = unitcost;
    p.hasRecipe = hasRecipe;
    return p;
}

stock::Catalogue rolledUp(stock::ProductList products, std::vector<recipes::RecipeLine> lines) {
    stock::Catalogue catalogue;
    catalogue.products = std::move(products);
    catalogue.recipes.recipeLines = std::move(lines);
    catalogue.reindex();
    recipes::rollUpStartupCosts(catalogue);
    return catalogue;
}

} // namespace

TEST(CostRollup, sumsIngredientsAtTheirStoredCostInOnePass) {
    // 3 is made of 1 and 2; 4 is made of 3, whose stored cost (99) counts,
    // not the cost 3 is given in the same pass.
    const stock::Catalogue catalogue = rolledUp(
        {product(1, 10), product(2, 4), product(3, 99, true), product(4, 0, true), product(5, 7)},
        {test::recipeLine(3, 1, 0.5), test::recipeLine(3, 2, 2), test::recipeLine(4, 3, 2),
         test::recipeLine(5, 1, 100), test::recipeLine(3, 42, 3)});
    const stock::ProductList& products = catalogue.products;
    const records::SharedList<recipes::RecipeLine>& lines = catalogue.recipes.recipeLines;
    EXPECT_DOUBLE_EQ(products[2].unitcost, 13);
    EXPECT_DOUBLE_EQ(products[3].unitcost, 198);
    // Without the recipe flag the stored cost stays.
    EXPECT_DOUBLE_EQ(products[4].unitcost, 7);
    EXPECT_EQ(lines[0].ingredientName, QStringLiteral("ürün 1"));
    EXPECT_EQ(lines[0].unit, "kg");
    EXPECT_DOUBLE_EQ(lines[2].unitcost, 99);
    // An ingredient missing from the list adds nothing.
    EXPECT_DOUBLE_EQ(lines[4].unitcost, 0);
}

TEST(CostRollup, aProductThatIsItsOwnIngredientKeepsItsStoredCost) {
    const stock::Catalogue catalogue =
        rolledUp({product(1, 12, true)}, {test::recipeLine(1, 1, 1)});
    EXPECT_DOUBLE_EQ(catalogue.products[0].unitcost, 12);
}
