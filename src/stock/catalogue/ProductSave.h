#pragma once

#include "records/Catalogue.h"

namespace parvela::db {
class StatementRunner;
class Transaction;
} // namespace parvela::db

namespace parvela::stock {

enum class ProductSaved { Yes, NoSuchRow, Failed };

// The captions the editor's saves are journalled under.
inline constexpr const char* kEditSaveCaption = "Düzenle";
inline constexpr const char* kNewSaveCaption = "Stok Tanımla";

// Keeps the rows a save of `product` writes (its row, region price, colours,
// discount) in the change the thread holds.
void keepProductRows(db::Transaction& change, const StockDefinition& product);

// Saves an existing product in one change: region price, colours,
// discount, then the stckdef row; the first failure (said under its tag)
// undoes every step. When the row was written, the record takes its
// product's place in the catalogue. Opened inside the change of a new
// product's insert, it joins that change.
ProductSaved saveProduct(const db::StatementRunner& runner, const StockDefinition& product,
                         CatalogueFeed& catalogue);

} // namespace parvela::stock
