#pragma once

#include <ostream>

namespace parvela::bench {

// The company, its branches, regions, scales, units, currencies and kitchen
// departments: the same few rows whatever the catalogue's size.
void writeFixedTables(std::ostream& out);

} // namespace parvela::bench
