#pragma once

#include "records/StockDefinition.h"

#include <vector>

namespace parvela::db {
class StatementRunner;
}

namespace parvela::stock {

enum class ProductSaved { Yes, NoSuchRow, Failed };

// Saves an existing product: region price, colours, discount, then the
// stckdef row, each on its own (a failure leaves the earlier steps done).
// When the row was written, the product's entry in `products` is replaced
// by the record. Failed when any step failed: not all of the product is
// stored then, even if its row is.
ProductSaved saveProduct(const db::StatementRunner& runner, const StockDefinition& product,
                         std::vector<StockDefinition>& products);

} // namespace parvela::stock
