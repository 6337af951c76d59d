#include "stock/ProductExtrasReader.h"

#include "db/Row.h"
#include "db/SqlFormat.h"
#include "db/StatementRunner.h"

namespace parvela::stock {

void readDiscount(const db::StatementRunner& runner, StockDefinition& product) {
    product.peraken = 0;
    product.yuzde = 0;
    (void)runner.queryFirst(db::Operation("Retrieve_Yuzde_ISK"), db::schema::stocks,
                            db::sqlf("SELECT peraken,yuzde FROM stocks.indirim_tablosu WHERE "
                                     "stocks.indirim_tablosu.stcode=%lld;",
                                     static_cast<long long>(product.stcode)),
                            [&](const db::Row& row) {
                                product.peraken = static_cast<float>(row.real(1));
                                product.yuzde = static_cast<float>(row.real(2));
                            });
}

void readRegionPrice(const db::StatementRunner& runner, StockDefinition& product) {
    (void)runner.queryFirst(
        db::Operation("RETRIEVE_BOLGE_FIYAT"), db::schema::stocks,
        db::sqlf("SELECT bolgekod,stcode,fiyat_fark FROM bolge_urun_fiyat WHERE stcode=%lld;",
                 static_cast<long long>(product.stcode)),
        [&](const db::Row& row) {
            product.regionPrice.bolgekod = row.integer(1);
            product.regionPrice.stcode = row.int64(2);
            product.regionPrice.fiyat_fark = static_cast<float>(row.real(3));
        });
}

} // namespace parvela::stock
