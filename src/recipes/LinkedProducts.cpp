#include "recipes/LinkedProducts.h"

#include "recipes/RecipeCost.h"
#include "recipes/RecipeStatements.h"

namespace parvela::recipes {

std::optional<std::vector<LinkedProduct>> linkedProducts(const RecipeContext& context,
                                                         stock::StockCode ingredient) {
    std::vector<Use> uses;
    if (productsUsing(context.runner, ingredient, uses) < 0)
        return std::nullopt;
    const ProductIndex index = indexByCode(context.products);
    const auto ingredientFound = index.find(ingredient);
    const stock::StockDefinition none;
    const stock::StockDefinition& used =
        ingredientFound == index.end() ? none : *ingredientFound->second;
    std::vector<LinkedProduct> rows;
    rows.reserve(uses.size());
    for (const Use& use : uses) {
        LinkedProduct& row = rows.emplace_back();
        row.code = use.product;
        if (const auto found = index.find(use.product); found != index.end()) {
            row.name = found->second->stname;
            row.unitcost = found->second->unitcost;
            row.quantity = found->second->quantity;
        }
        row.ingredient = used.stname;
        row.lineQuantity = use.quantity;
        row.unit = QString::fromStdString(used.unit);
        row.ingredientCost = used.unitcost;
    }
    return rows;
}

} // namespace parvela::recipes
