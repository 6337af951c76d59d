#pragma once

#include "records/RecipeLine.h"

#include <vector>

namespace parvela::db {
class StatementRunner;
}

// Reads of the recipe, cost-component, bundle, option and substitute lists.
// Each empties its list first and returns the count, or -1 after a reported
// failure.
namespace parvela::recipes {

int readRecipeLines(const db::StatementRunner& runner, std::vector<RecipeLine>& lines);
int readCostComponents(const db::StatementRunner& runner, std::vector<RecipeLine>& lines);
int readBundleLines(const db::StatementRunner& runner, std::vector<RecipeLine>& lines);
int readOptionLines(const db::StatementRunner& runner, std::vector<RecipeLine>& lines);
int readBundleSubstitutes(const db::StatementRunner& runner,
                          std::vector<BundleSubstitute>& substitutes);

} // namespace parvela::recipes
