#pragma once

#include "records/Catalogue.h"

namespace parvela::recipes {

// After a read: every recipe line takes its ingredient's name, unit, type,
// currency and stored cost; then every product with a recipe costs the sum
// of its lines. One pass: an ingredient with a recipe of its own counts at
// its stored cost. Nothing is written to the server. Only the products whose
// cost moves become new records; the catalogue must be indexed.
void rollUpStartupCosts(stock::Catalogue& catalogue);

} // namespace parvela::recipes
