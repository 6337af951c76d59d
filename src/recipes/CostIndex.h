#pragma once

#include "records/ProductList.h"
#include "records/RecipeLine.h"

#include <cstdint>
#include <unordered_map>
#include <utility>
#include <vector>

namespace parvela::recipes {

// The unit cost of every product and the lines of every recipe, copied out
// of the lists once, so that a worker can cost recipes while the lists
// change and nobody copies whole product records for it.
class CostIndex {
public:
    CostIndex(const stock::ProductList& products, const std::vector<RecipeLine>& recipeLines);

    // The sum of lineCost over the product's recipe lines, as
    // computeRecipeCost makes it; a missing ingredient adds nothing.
    double recipeCost(std::int64_t product) const;

private:
    std::unordered_map<std::int64_t, double> m_unitcost;
    std::unordered_map<std::int64_t, std::vector<std::pair<std::int64_t, double>>> m_lines;
};

} // namespace parvela::recipes
