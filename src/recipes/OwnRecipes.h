#pragma once

#include "recipes/RecipeContext.h"

namespace parvela::recipes {

// Makes each product its own one-line recipe, tells the user how many were
// written and how many failed (a box without owner), reads the recipes
// again and marks the products that have one.
void makeOwnRecipes(RecipeContext& context, const std::vector<stock::StockCode>& products);

} // namespace parvela::recipes
