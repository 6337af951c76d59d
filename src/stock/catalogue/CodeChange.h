#pragma once

#include "records/StockRecords.h"

namespace parvela::db {
class StatementRunner;
}

namespace parvela::stock {

// Gives a product a new code in every table that refers to it: the kettles'
// tables, movements, the definition, open and archived orders, discount,
// picture, colours, sizes, price windows, order positions, region prices,
// quick sale, game, recipes, cost parts, bundles, options, substitutes and
// notes. All or nothing: the first failing step shows its box and leaves
// every table as it was. Returns 1, or -1 when nothing was changed.
int changeProductCode(const db::StatementRunner& runner, StockCode oldCode, StockCode newCode);

} // namespace parvela::stock
