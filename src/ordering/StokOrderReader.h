#pragma once

#include "records/StokOrderRow.h"

#include <vector>

namespace parvela::db {
class StatementRunner;
}

namespace parvela::ordering {

// Every order row of every scope; the count, or -1 after a reported failure.
int readAllStokOrder(const db::StatementRunner& runner, std::vector<StokOrderRow>& rows);

} // namespace parvela::ordering
