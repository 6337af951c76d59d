#pragma once

#include "records/ProductList.h"

#include <vector>

namespace parvela::db {
class Row;
class StatementRunner;
} // namespace parvela::db

namespace parvela::stock {

class ProductJoins;

// The products by name ("READ_STOK_TANIM"), each joined with the lists in
// memory. Empties `products` first; the count, or -1 after a reported failure.
int readProducts(const db::StatementRunner& runner, const ProductJoins& joins,
                 ProductList& products);
// The same read ordered by code, into a list the caller keeps.
int readProductsByCode(const db::StatementRunner& runner, const ProductJoins& joins,
                       ProductList& products);

} // namespace parvela::stock
