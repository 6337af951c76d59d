#pragma once

#include "records/RecipeLine.h"
#include "records/StockDefinition.h"

#include <vector>

namespace parvela::recipes {

// At start-up: every recipe line takes its ingredient's name, unit, type,
// currency and stored cost; then every product with a recipe costs the sum
// of its lines. One pass: an ingredient with a recipe of its own counts at
// its stored cost. Nothing is written to the server.
void rollUpStartupCosts(std::vector<stock::StockDefinition>& products,
                        std::vector<RecipeLine>& recipeLines);

} // namespace parvela::recipes
