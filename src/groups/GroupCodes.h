#pragma once

#include "groups/GroupRecords.h"

#include <vector>

namespace parvela::groups {

// A new group's code is the decimal text of a prefix followed by that of a
// counter, read back as a number: the first such value no row of the level
// uses. Codes are unique across the whole level, not only among siblings.
// -1 when the prefix is below 1 or no free code fits a positive 32-bit int.

// Prefix: the stock type; counter from 1.
int nextGroupACode(int stockType, const std::vector<GroupA>& all);
// Prefix: the parent Group A's code; counter from 2.
int nextGroupBCode(int acode, const std::vector<GroupB>& all);
// Prefix: the parent Group B's code; counter from 2.
int nextGroupCCode(int bcode, const std::vector<GroupC>& all);

} // namespace parvela::groups
