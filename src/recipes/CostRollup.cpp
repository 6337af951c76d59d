#include "recipes/CostRollup.h"

#include <unordered_map>

namespace parvela::recipes {

namespace {

void copyIngredientFacts(const std::vector<stock::StockDefinition>& products,
                         std::vector<RecipeLine>& lines) {
    std::unordered_map<stock::StockCode, const stock::StockDefinition*> byCode;
    byCode.reserve(products.size());
    for (const stock::StockDefinition& product : products)
        byCode.insert_or_assign(product.stcode, &product);
    for (RecipeLine& line : lines) {
        const auto found = byCode.find(line.ingredient);
        if (found == byCode.end())
            continue;
        const stock::StockDefinition& ingredient = *found->second;
        line.ingredientName = ingredient.stname;
        line.unit = ingredient.unit;
        line.type = ingredient.type;
        line.curr = ingredient.curr;
        line.unitcost = ingredient.unitcost;
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
