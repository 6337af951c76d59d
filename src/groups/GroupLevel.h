#pragma once

namespace parvela::groups {

// The three levels of the category tree; the numbers are the ones the
// statements and the bulk settings use.
enum class GroupLevel { A = 1, B = 2, C = 3 };

} // namespace parvela::groups
