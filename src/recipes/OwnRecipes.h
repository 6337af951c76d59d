#pragma once

#include "recipes/RecipeContext.h"

class QObject;

namespace parvela::recipes {

// After asking (naming how many recipes go, "Hayır" the default), makes each
// product its own one-line recipe, all or none; tells the user how many were
// written and how many failed (a box without owner), reads the recipes again
// and marks the products that have one. True when all were written.
bool makeOwnRecipes(RecipeContext& context, const std::vector<stock::StockCode>& products,
                    QObject* owner = nullptr);

} // namespace parvela::recipes
