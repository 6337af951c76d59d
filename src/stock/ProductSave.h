#pragma once

#include "stock/StockDefinition.h"

#include <vector>

namespace parvela::db {
class StatementRunner;
}

namespace parvela::stock {

// Saves an existing product: region price, colours, discount, then the
// stckdef row, each on its own (a failure leaves the earlier steps done);
// then the product's entry in `products` is replaced by the record.
void saveProduct(const db::StatementRunner& runner, const StockDefinition& product,
                 std::vector<StockDefinition>& products);

} // namespace parvela::stock
