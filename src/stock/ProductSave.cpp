#include "stock/ProductSave.h"

#include "stock/ProductUpserts.h"
#include "stock/ProductWriter.h"

#include <algorithm>

namespace parvela::stock {

void saveProduct(const db::StatementRunner& runner, const StockDefinition& product,
                 std::vector<StockDefinition>& products) {
    writeRegionPrice(runner, product);
    upsertColours(runner, product);
    upsertDiscount(runner, product);
    updateProduct(runner, product);
    const auto entry = std::find_if(products.begin(), products.end(),
                                    [&](const auto& p) { return p.stcode == product.stcode; });
    if (entry != products.end())
        *entry = product;
}

} // namespace parvela::stock
