#include "stock/catalogue/ProductExtrasReader.h"

#include "db/Row.h"
#include "db/SqlFormat.h"
#include "db/StatementRunner.h"

#include <string>

namespace parvela::stock {

void readDiscount(const db::StatementRunner& runner, StockDefinition& product) {
    product.peraken = 0;
    product.yuzde = 0;
    (void)runner.queryFirst(db::Operation("Retrieve_Yuzde_ISK"), db::schema::stocks,
                            db::sqlf("SELECT peraken,yuzde FROM stocks.indirim_tablosu WHERE "
                                     "stocks.indirim_tablosu.stcode=%lld;",
                                     code64(product.stcode)),
                            [&](const db::Row& row) {
                                product.peraken = static_cast<float>(row.real(1));
                                product.yuzde = static_cast<float>(row.real(2));
                            });
}

void readRegionPrice(const db::StatementRunner& runner, StockDefinition& product,
                     const std::vector<Region>& regions) {
    (void)runner.queryFirst(
        db::Operation("RETRIEVE_BOLGE_FIYAT"), db::schema::stocks,
        db::sqlf("SELECT bolgekod,stcode,fiyat_fark FROM bolge_urun_fiyat WHERE stcode=%lld;",
                 code64(product.stcode)),
        [&](const db::Row& row) {
            product.regionPrice.bolgekod = row.integer(1);
            product.regionPrice.stcode = row.int64(2);
            product.regionPrice.fiyat_fark = static_cast<float>(row.real(3));
        });
    for (const Region& region : regions) {
        if (region.kod == product.regionPrice.bolgekod) {
            product.regionPrice.regionName = region.baslik;
            break;
        }
    }
}

namespace {

void readPriceWindow(const db::StatementRunner& runner, const char* tag, int prcid, StockCode code,
                     std::array<int, 21>& window) {
    (void)runner.queryFirst(
        db::Operation(tag), db::schema::stocks,
        "SELECT day1,hour1x,hour1y, day2,hour2x,hour2y, day3,hour3x,hour3y, day4,hour4x,hour4y, "
        "day5,hour5x,hour5y, day6,hour6x,hour6y, day7,hour7x,hour7y FROM prctimes  WHERE prcid=" +
            std::to_string(prcid) + " AND stcode=" + db::sqlf("%lld ;", code64(code)),
        [&](const db::Row& row) {
            for (std::size_t i = 0; i < window.size(); ++i)
                window[i] = row.integer(static_cast<int>(i) + 1);
        });
}

} // namespace

void readPriceTimes(const db::StatementRunner& runner, EditedProduct& edited) {
    const StockCode code = edited.product.stcode;
    readPriceWindow(runner, "RETRIEVE_PRCTIMES_A", 1, code, edited.priceTimesA);
    readPriceWindow(runner, "RETRIEVE_PRCTIMES_B", 2, code, edited.priceTimesB);
}

QString pictureOf(const std::vector<ProductPicture>& pictures, StockCode code) {
    for (const ProductPicture& picture : pictures) {
        if (picture.stcode == code && picture.img.size() > 1)
            return picture.img;
    }
    return {};
}

} // namespace parvela::stock
