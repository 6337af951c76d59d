#include "recipes/LinkedProducts.h"

#include "recipes/RecipeCost.h"
#include "recipes/RecipeStatements.h"

namespace parvela::recipes {

std::optional<std::vector<LinkedProduct>> linkedProducts(const RecipeContext& context,
                                                         stock::StockCode ingredient) {
    std::vector<Use> uses;
    if (productsUsing(context.runner, ingredient, uses) < 0)
        return std::nullopt;
    const ProductIndex index(context.catalogue.current());
    const stock::StockDefinition none;
    const stock::StockDefinition* found = index.find(ingredient);
    const stock::StockDefinition& used = found == nullptr ? none : *found;
    std::vector<LinkedProduct> rows;
    rows.reserve(uses.size());
    for (const Use& use : uses) {
        LinkedProduct& row = rows.emplace_back();
        row.code = use.product;
        if (const stock::StockDefinition* product = index.find(use.product)) {
            row.name = product->stname;
            row.unitcost = product->unitcost;
            row.quantity = product->quantity;
        }
        row.ingredient = used.stname;
        row.lineQuantity = use.quantity;
        row.unit = QString::fromStdString(used.unit);
        row.ingredientCost = used.unitcost;
    }
    return rows;
}

} // namespace parvela::recipes
