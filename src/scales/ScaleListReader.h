#pragma once

#include "scales/ScaleEntry.h"

#include <vector>

namespace parvela::db {
class StatementRunner;
}

namespace parvela::scales {

// The scales' addresses; the count, or -1 after a reported failure.
int readScales(const db::StatementRunner& runner, std::vector<ScaleEntry>& scales);

} // namespace parvela::scales
