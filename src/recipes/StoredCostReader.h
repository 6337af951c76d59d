#pragma once

#include "recipes/CostReport.h"

namespace parvela::db {
class StatementRunner;
}

namespace parvela::recipes {

// The unitcost of every product as the server holds it: the lists in memory
// carry the costs the start-up rolled up instead. The count, or -1 after a
// reported failure (then `costs` is left empty).
int readStoredCosts(const db::StatementRunner& runner, StoredCosts& costs);

} // namespace parvela::recipes
