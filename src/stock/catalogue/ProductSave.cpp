#include "stock/catalogue/ProductSave.h"

#include "db/StatementRunner.h"
#include "records/CatalogueEdits.h"
#include "stock/catalogue/ProductUpserts.h"
#include "stock/catalogue/ProductWriter.h"

namespace parvela::stock {

ProductSaved saveProduct(const db::StatementRunner& runner, const StockDefinition& product,
                         CatalogueFeed& catalogue) {
    // Every step runs, whatever the one before did, unless the server is
    // gone: then the first step reports it.
    const db::ServerLossScope scope(runner);
    const bool region = writeRegionPrice(runner, product);
    const bool colours = upsertColours(runner, product);
    const bool discount = upsertDiscount(runner, product);
    const int updated = updateProduct(runner, product);
    if (updated < 0)
        return ProductSaved::Failed;
    if (updated == 0)
        return ProductSaved::NoSuchRow;
    putProduct(catalogue, product);
    return region && colours && discount ? ProductSaved::Yes : ProductSaved::Failed;
}

} // namespace parvela::stock
