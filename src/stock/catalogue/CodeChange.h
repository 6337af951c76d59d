#pragma once

#include "records/StockRecords.h"

namespace parvela::db {
class StatementRunner;
}

namespace parvela::stock {

// Gives a product a new code in every table that refers to it: the kettles'
// tables, movements, the definition, open and archived orders, discount,
// picture and colours. Each step reports its own failure and the next one
// runs regardless. Returns 1, or -1 when the product's own row could not be
// given the new code.
int changeProductCode(const db::StatementRunner& runner, StockCode oldCode, StockCode newCode);

} // namespace parvela::stock
