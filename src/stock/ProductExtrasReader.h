#pragma once

#include "stock/StockDefinition.h"

namespace parvela::db {
class StatementRunner;
}

// What the editor reads for one product as it opens, beyond the product
// list: so that a save without changes writes the same values back.
namespace parvela::stock {

// peraken and yuzde from the discount table; both 0 without a row.
void readDiscount(const db::StatementRunner& runner, StockDefinition& product);
// The product's region price, when it has one.
void readRegionPrice(const db::StatementRunner& runner, StockDefinition& product);

} // namespace parvela::stock
