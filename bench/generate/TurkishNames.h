#pragma once

#include <cstddef>
#include <string>

namespace parvela::bench {

struct GroupB;

// A product name of the kind the group holds; `index` counts the products
// of that kind, so that names repeat only with a series number.
std::string productName(const GroupB& group, std::size_t index);

} // namespace parvela::bench
