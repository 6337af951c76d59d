#pragma once

#include "records/RecipeLine.h"
#include "records/StockDefinition.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace parvela::recipes {

// Products by code, built once for as many cost computations as follow.
using ProductIndex = std::unordered_map<stock::StockCode, const stock::StockDefinition*>;

ProductIndex indexByCode(const std::vector<stock::StockDefinition>& products);

// What one recipe line adds to its product's cost: the ingredient's cost
// times the quantity, nothing when the product is its own ingredient.
inline double lineCost(std::int64_t product, std::int64_t ingredient, double ingredientCost,
                       double quantity) {
    return ingredient == product ? 0.0 : ingredientCost * quantity;
}

// The line takes its ingredient's name, type, unit, currency and cost.
void takeIngredientFacts(RecipeLine& line, const stock::StockDefinition& ingredient);

// Sets the product's unitcost to the sum of ingredient cost × quantity. Each
// line found in `index` takes its ingredient's type, unit, currency and cost;
// a missing ingredient adds nothing, the product itself adds 0.
void computeRecipeCost(stock::StockDefinition& product, std::vector<RecipeLine>& lines,
                       const ProductIndex& index);

// The lines of `product` from `allLines` into `target`, costed as above.
// Returns their count, or -2 for a code not above 0.
int recipeOf(stock::StockDefinition& product, const std::vector<RecipeLine>& allLines,
             const ProductIndex& index, std::vector<RecipeLine>& target);

} // namespace parvela::recipes
