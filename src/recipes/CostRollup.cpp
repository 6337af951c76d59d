#include "recipes/CostRollup.h"

#include "recipes/RecipeCost.h"

#include <unordered_map>

namespace parvela::recipes {

void rollUpStartupCosts(stock::Catalogue& catalogue) {
    std::vector<RecipeLine> lines = catalogue.recipes.recipeLines;
    std::unordered_map<stock::StockCode, double> costOf;
    for (RecipeLine& line : lines) {
        if (const stock::StockDefinition* ingredient = catalogue.find(line.ingredient))
            takeIngredientFacts(line, *ingredient);
        costOf[line.urun] += line.qua * line.unitcost;
    }
    catalogue.recipes.recipeLines = std::move(lines);
    stock::ProductList& products = catalogue.products;
    for (std::size_t i = 0; i < products.size(); ++i) {
        if (!products[i].hasRecipe)
            continue;
        const auto found = costOf.find(products[i].stcode);
        const double cost = found == costOf.end() ? 0.0 : found->second;
        if (cost == products[i].unitcost)
            continue;
        stock::StockDefinition costed = products[i];
        costed.unitcost = cost;
        products.replace(i, std::move(costed));
    }
}

} // namespace parvela::recipes
