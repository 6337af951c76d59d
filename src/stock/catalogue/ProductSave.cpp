#include "stock/catalogue/ProductSave.h"

#include "db/StatementRunner.h"
#include "db/Transaction.h"
#include "records/CatalogueEdits.h"
#include "stock/catalogue/BulkChange.h"
#include "stock/catalogue/ProductUpserts.h"
#include "stock/catalogue/ProductWriter.h"

namespace parvela::stock {

void keepProductRows(db::Transaction& change, const StockDefinition& product) {
    const std::vector<std::string> keys = codeKeys({product.stcode});
    for (const ProductRows& rows : {kStockRows, kRegionPriceRows, kColourRows, kDiscountRows})
        change.keep(rows.schemaName, rows.table, rows.column, keys);
}

ProductSaved saveProduct(const db::StatementRunner& runner, const StockDefinition& product,
                         CatalogueFeed& catalogue) {
    // All of it or nothing: a product with its old colours and new prices
    // helps nobody. Joins the change of a new product's insert.
    const db::ServerLossScope scope(runner);
    // A new product's change has named itself and kept these rows already.
    const bool joined = runner.inTransaction();
    // Named after its first statement: a server that cannot be reached says
    // so under the tag it always did.
    db::Transaction change(runner, db::Operation(product.regionPrice.fiyat_fark != 0.0F
                                                     ? "DELETE_FROM_BOLGE_FIYAT"
                                                     : "UPDATE_STOK_RENGI"));
    if (!joined) {
        change.journalAs(kEditSaveCaption);
        keepProductRows(change, product);
    }
    const bool written = !change.failed() && writeRegionPrice(runner, product) &&
                         upsertColours(runner, product) && upsertDiscount(runner, product);
    const int updated = written ? updateProduct(runner, product) : -1;
    if (updated < 0)
        return ProductSaved::Failed;
    // Gone meanwhile: its colour and discount rows go back with the rest.
    if (updated == 0)
        return ProductSaved::NoSuchRow;
    if (change.commit() != db::Outcome::Completed)
        return ProductSaved::Failed;
    putProduct(catalogue, product);
    return ProductSaved::Yes;
}

} // namespace parvela::stock
