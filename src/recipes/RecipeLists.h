#pragma once

#include "records/RecipeLine.h"

#include <vector>

namespace parvela::recipes {

struct RecipeLists {
    std::vector<RecipeLine> recipeLines;
    std::vector<RecipeLine> costComponents;
    std::vector<RecipeLine> bundleLines;
    std::vector<RecipeLine> optionLines;
    std::vector<BundleSubstitute> bundleSubstitutes;
};

} // namespace parvela::recipes
