#pragma once

#include "records/Catalogue.h"

namespace parvela::db {
class StatementRunner;
}

namespace parvela::stock {

enum class ProductSaved { Yes, NoSuchRow, Failed };

// Saves an existing product: region price, colours, discount, then the
// stckdef row, each on its own (a failure leaves the earlier steps done).
// When the row was written, the record takes its product's place in the
// catalogue. Failed when any step failed: not all of the product is stored
// then, even if its row is.
ProductSaved saveProduct(const db::StatementRunner& runner, const StockDefinition& product,
                         CatalogueFeed& catalogue);

} // namespace parvela::stock
