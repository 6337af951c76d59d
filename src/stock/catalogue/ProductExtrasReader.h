#pragma once

#include "records/StockDefinition.h"
#include "stock/catalogue/EditedProduct.h"

#include <vector>

namespace parvela::db {
class StatementRunner;
}

// What the editor reads for one product as it opens, beyond the product
// list: so that a save without changes writes the same values back.
namespace parvela::stock {

// peraken and yuzde from the discount table; both 0 without a row.
void readDiscount(const db::StatementRunner& runner, StockDefinition& product);
// The product's region price, when it has one, named from the region list.
void readRegionPrice(const db::StatementRunner& runner, StockDefinition& product,
                     const std::vector<Region>& regions = {});
// The two price time windows.
void readPriceTimes(const db::StatementRunner& runner, EditedProduct& edited);
// The path of the product's picture: the first of its rows with a path
// longer than one character; empty without one.
QString pictureOf(const std::vector<ProductPicture>& pictures, StockCode code);

} // namespace parvela::stock
