#pragma once

#include "records/RecipeLine.h"

#include <cstdint>
#include <vector>

namespace parvela::checks {

// Each set of products whose recipes use each other round in a circle, as
// one cycle through them: A, B, C where A uses B, B uses C and C uses A. A
// recipe of the product alone is no cycle; the suite uses it to keep a cost.
std::vector<std::vector<std::int64_t>> recipeCycles(const std::vector<recipes::RecipeLine>& lines);

} // namespace parvela::checks
