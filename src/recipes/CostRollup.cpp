#include "recipes/CostRollup.h"

#include "recipes/RecipeCost.h"

#include <unordered_map>

namespace parvela::recipes {

namespace {

void copyIngredientFacts(const std::vector<stock::StockDefinition>& products,
                         std::vector<RecipeLine>& lines) {
    const ProductIndex byCode = indexByCode(products);
    for (RecipeLine& line : lines) {
        if (const auto found = byCode.find(line.ingredient); found != byCode.end())
            takeIngredientFacts(line, *found->second);
    }
}

} // namespace

void rollUpStartupCosts(std::vector<stock::StockDefinition>& products,
                        std::vector<RecipeLine>& recipeLines) {
    copyIngredientFacts(products, recipeLines);
    std::unordered_map<stock::StockCode, double> costOf;
    for (const RecipeLine& line : recipeLines)
        costOf[line.urun] += line.qua * line.unitcost;
    for (stock::StockDefinition& product : products) {
        if (!product.hasRecipe)
            continue;
        const auto found = costOf.find(product.stcode);
        product.unitcost = found == costOf.end() ? 0.0 : found->second;
    }
}

} // namespace parvela::recipes
