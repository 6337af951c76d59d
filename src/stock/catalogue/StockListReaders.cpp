#include "stock/catalogue/StockListReaders.h"

#include "db/FixedField.h"
#include "db/ListReader.h"

#include <string>

namespace parvela::stock {

namespace {

StockCode codeOf(const db::Row& row) {
    return row.int64(1);
}

constexpr const char* kOwningRows =
    "SELECT stcode FROM colors UNION SELECT stcode FROM indirim_tablosu "
    "UNION SELECT stcode FROM sml_med_lrg UNION SELECT stcode FROM prctimes "
    "UNION SELECT stcode FROM images UNION SELECT stcode FROM stok_order "
    "UNION SELECT stcode FROM bolge_urun_fiyat UNION SELECT stcode FROM hizli_satis_stok "
    "UNION SELECT stcode FROM game_table UNION SELECT urun FROM receipts "
    "UNION SELECT urun FROM maliyet_bileseni UNION SELECT urun FROM stckbundle "
    "UNION SELECT urun FROM stckopsiyon UNION SELECT fcode FROM groups.specs;";

} // namespace

int readUnits(const db::StatementRunner& runner, std::vector<Unit>& units) {
    return db::readList(runner, db::Operation("READ_BIRIMLER"), db::schema::stocks,
                        "SELECT name,type FROM units;", units, [](const db::Row& row) {
                            return Unit{row.text(1), row.integer(2)};
                        });
}

int readCurrencies(const db::StatementRunner& runner, std::vector<Currency>& currencies) {
    return db::readList(runner, db::Operation("READ_PARA_BIRIMLERI"), db::schema::stocks,
                        "SELECT id,code,alis,satis FROM currs;", currencies,
                        [](const db::Row& row) {
                            return Currency{row.integer(1), row.bytes(2), row.real(3), row.real(4)};
                        });
}

int readDepartments(const db::StatementRunner& runner, std::vector<Department>& departments) {
    return db::readList(
        runner, db::Operation("READ_DEPARTMANLAR"), db::schema::stocks,
        "SELECT id,departid,name,printer FROM depart;", departments, [](const db::Row& row) {
            return Department{row.integer(1), row.integer(2), row.text(3), row.text(4)};
        });
}

int readQuickSaleCodes(const db::StatementRunner& runner, std::vector<StockCode>& codes) {
    return db::readList(runner, db::Operation("READ_HIZLI_STOKLAR"), db::schema::stocks,
                        "SELECT stcode FROM hizli_satis_stok;", codes, codeOf);
}

int readColours(const db::StatementRunner& runner, std::vector<StockColour>& colours) {
    return db::readList(runner, db::Operation("READ_STOK_RENKLERI"), db::schema::stocks,
                        "SELECT Id,stcode,red,green,blue,redfnt,greenfnt,bluefnt FROM colors;",
                        colours, [](const db::Row& row) {
                            StockColour colour;
                            colour.Id = row.integer(1);
                            colour.stcode = row.int64(2);
                            colour.red = row.integer(3);
                            colour.green = row.integer(4);
                            colour.blue = row.integer(5);
                            colour.redfnt = row.integer(6);
                            colour.greenfnt = row.integer(7);
                            colour.bluefnt = row.integer(8);
                            colour.back = records::rgb(colour.red, colour.green, colour.blue);
                            colour.font =
                                records::rgb(colour.redfnt, colour.greenfnt, colour.bluefnt);
                            return colour;
                        });
}

int readSizes(const db::StatementRunner& runner, std::vector<SizePrices>& sizes) {
    return db::readList(
        runner, db::Operation("READ_SMALL_MEDIUM_LARGE"), db::schema::stocks,
        "SELECT stcode,smll_prc,smll_qua,med_prc,med_qua,larg_prc,larg_qua FROM sml_med_lrg;",
        sizes, [](const db::Row& row) {
            return SizePrices{row.int64(1), row.real(2), row.real(3), row.real(4),
                              row.real(5),  row.real(6), row.real(7)};
        });
}

int readRegionPrices(const db::StatementRunner& runner, std::vector<RegionPrice>& prices) {
    return db::readList(
        runner, db::Operation("READ_BOLGE_FIYATLARI"), db::schema::stocks,
        "SELECT bolgekod,stcode,fiyat_fark FROM bolge_urun_fiyat;", prices, [](const db::Row& row) {
            return RegionPrice{row.integer(1), {}, row.int64(2), static_cast<float>(row.real(3))};
        });
}

int readRegions(const db::StatementRunner& runner, std::vector<Region>& regions) {
    return db::readList(runner, db::Operation("READ_BOLGE_TANIMLARI"), db::schema::oturum,
                        "SELECT kod,baslik FROM bolgeler;", regions, [](const db::Row& row) {
                            return Region{row.integer(1), row.text(2)};
                        });
}

int readPictures(const db::StatementRunner& runner, std::vector<ProductPicture>& pictures) {
    return db::readList(runner, db::Operation("READ_VECTOR_URUN_RESIMLERI"), db::schema::stocks,
                        "SELECT stcode,img FROM stocks.images;", pictures, [](const db::Row& row) {
                            return ProductPicture{row.int64(1), row.text(2).left(255)};
                        });
}

int readStockCodes(const db::StatementRunner& runner, std::vector<StockCode>& codes,
                   std::vector<StockCode>& deletedCodes) {
    const int count = db::readList(runner, db::Operation("READ_STOK_CODES"), db::schema::stocks,
                                   "SELECT stcode FROM stckdef ORDER by stcode; ", codes, codeOf);
    db::readList(runner, db::Operation("READ_DELETED_STOK_CODES"), db::schema::stocks,
                 "SELECT stcode FROM stckdef_old ORDER by stcode; ", deletedCodes, codeOf);
    return count;
}

int readCodesOwningRows(const db::StatementRunner& runner, std::vector<StockCode>& codes) {
    return db::readList(runner, db::Operation("READ_STOK_KODU_KAYITLARI"), db::schema::stocks,
                        kOwningRows, codes, codeOf);
}

int readCodesInUse(const db::StatementRunner& runner, std::vector<StockCode>& codes) {
    return db::readList(
        runner, db::Operation("READ_STOK_CODES"), db::schema::stocks,
        std::string("SELECT stcode FROM stckdef UNION SELECT stcode FROM stckdef_old "
                    "UNION ") +
            kOwningRows,
        codes, codeOf);
}

} // namespace parvela::stock
