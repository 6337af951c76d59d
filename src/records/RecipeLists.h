#pragma once

#include "records/RecipeLine.h"
#include "records/SharedList.h"

namespace parvela::recipes {

struct RecipeLists {
    records::SharedList<RecipeLine> recipeLines;
    records::SharedList<RecipeLine> costComponents;
    records::SharedList<RecipeLine> bundleLines;
    records::SharedList<RecipeLine> optionLines;
    records::SharedList<BundleSubstitute> bundleSubstitutes;
};

} // namespace parvela::recipes
