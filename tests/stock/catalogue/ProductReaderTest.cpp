#include "stock/catalogue/ProductReader.h"

#include "CatalogFixtures.h"
#include "StockFixture.h"
#include "groups/GroupData.h"
#include "stock/catalogue/CatalogueReads.h"
#include "stock/catalogue/ProductJoins.h"
#include "stock/catalogue/ProductWriter.h"
#include "stock/catalogue/StockListReaders.h"

using namespace parvela;
using test::TestDatabase;

namespace {

class ProductReaderTest : public test::StockTest {
protected:
    // Reads every joined list, then the products, as every read does.
    stock::ProductList readAll() {
        stock::readSideLists(m_runner, m_catalog);
        EXPECT_GE(stock::readCatalogueProducts(m_runner, m_catalog), 0);
        return m_catalog.products;
    }

    stock::Catalogue m_catalog;
};

} // namespace

TEST(CodeClass, looksAtTheFirstFourDigitsOnly) {
    EXPECT_EQ(stock::codeClassOf(90991), 9099);
    EXPECT_EQ(stock::codeClassOf(70770001), 7077);
    EXPECT_EQ(stock::codeClassOf(8088), 8088);
    EXPECT_EQ(stock::codeClassOf(909), 0);
    EXPECT_EQ(stock::codeClassOf(19099), 0);
    EXPECT_EQ(stock::codeClassOf(33311), 0);
}

TEST_F(ProductReaderTest, readsEveryColumnByItsPosition) {
    TestDatabase::exec(
        "INSERT INTO stocks.stckdef(stcode,type,gra,grb,grc,grd,gre,grf,brnd,model,specs2,barcode,"
        "serial,partnum,stname,unit,curr,kdv,unitcost,sellp1,sellp2,sellp3,sellp4,sellp5,qua1,"
        "sellp6,qua2,crtqua,specs,warranty,cndtn,bundle,quantity,depart,gunmenu,azparam,sku,"
        "prcchange,game_stock,related_update,is_weighed) VALUES(9099000000123,333,3,4,5,6,7,8,"
        "'Marka','M-1','Özel not','8690001','S1','P1','Şiş Köfte','prs','TL',10,12.25,100.5,90,"
        "80,70,60,1.5,50,2.5,3.5,'uzun açıklama',11,12,1,4.25,3,2,7.5,'SKU-1',1,1,1,1);");
    const auto products = readAll();
    ASSERT_EQ(products.size(), 1u);
    const stock::StockDefinition& p = products[0];
    EXPECT_EQ(p.stcode, 9099000000123);
    EXPECT_EQ(std::tie(p.type, p.gra, p.grb, p.grc, p.grd, p.gre, p.grf),
              std::make_tuple(333, 3, 4, 5, 6, 7, 8));
    EXPECT_EQ(p.brnd, QStringLiteral("Marka"));
    EXPECT_EQ(p.model, "M-1");
    EXPECT_EQ(p.specs2, QStringLiteral("Özel not"));
    EXPECT_EQ(std::tie(p.barcode, p.serial, p.partnum, p.unit, p.curr, p.sku),
              std::make_tuple("8690001", "S1", "P1", "prs", "TL", "SKU-1"));
    EXPECT_EQ(p.stname, QStringLiteral("Şiş Köfte"));
    EXPECT_DOUBLE_EQ(p.kdv, 10);
    EXPECT_DOUBLE_EQ(p.unitcost, 12.25);
    EXPECT_EQ(std::make_tuple(p.sellp1, p.sellp2, p.sellp3, p.sellp4, p.sellp5, p.sellp6),
              std::make_tuple(100.5, 90.0, 80.0, 70.0, 60.0, 50.0));
    EXPECT_EQ(std::make_tuple(p.qua1, p.qua2, p.crtqua, p.azparam),
              std::make_tuple(1.5, 2.5, 3.5, 7.5));
    EXPECT_EQ(p.specs, QStringLiteral("uzun açıklama"));
    EXPECT_EQ(std::make_tuple(p.warranty, p.cndtn, p.depart, int{p.gunmenu}),
              std::make_tuple(11, 12, 3, 2));
    EXPECT_FLOAT_EQ(p.quantity, 4.25F);
    EXPECT_TRUE(p.bundle && p.prcchange && p.game_stock && p.related_update && p.is_weighed);
    EXPECT_EQ(p.codeClass, 9099);
}

namespace {

// A server from before the one-colours-row rule, for the length of a test:
// its rows may repeat a code.
class ColoursWithoutOneRowRule {
public:
    ColoursWithoutOneRowRule() {
        TestDatabase::exec("ALTER TABLE stocks.colors DROP INDEX ix_colors_stcode, "
                           "ADD INDEX ix_colors_stcode (stcode);");
    }
    ~ColoursWithoutOneRowRule() {
        TestDatabase::exec("DELETE FROM stocks.colors; ALTER TABLE stocks.colors DROP INDEX "
                           "ix_colors_stcode, ADD UNIQUE INDEX ix_colors_stcode (stcode);");
    }
    ColoursWithoutOneRowRule(const ColoursWithoutOneRowRule&) = delete;
    ColoursWithoutOneRowRule& operator=(const ColoursWithoutOneRowRule&) = delete;
};

} // namespace

TEST_F(ProductReaderTest, joinsTheListsByCodeWithFirstMatch) {
    const ColoursWithoutOneRowRule olderServer;
    test::addGroupA(3331, "Yiyecekler");
    test::addGroupB(3331, 33312, "Izgaralar");
    test::addProduct({33311, "Adana Kebap", 3331, 33312, 999});
    test::addProduct({33312, "Ayran", 4441});
    TestDatabase::exec(
        "INSERT INTO stocks.colors(stcode,red,green,blue,redfnt,greenfnt,bluefnt) "
        "VALUES(33311,255,0,0,1,2,3),(33311,9,9,9,9,9,9);"
        "INSERT INTO stocks.stckbundle(urun,ingredient,qua,degist) VALUES(33311,33312,1,0);"
        "INSERT INTO stocks.receipts(urun,ingredient,qua) VALUES(33311,33312,2);"
        "INSERT INTO stocks.hizli_satis_stok(stcode) VALUES(33312);"
        "INSERT INTO stocks.sml_med_lrg(stcode,smll_prc,smll_qua,med_prc,med_qua,larg_prc,"
        "larg_qua) VALUES(33311,10,1,15,1.5,20,2);"
        "INSERT INTO stocks.bolge_urun_fiyat(bolgekod,stcode,fiyat_fark) VALUES(2,33311,5.5);"
        "INSERT INTO stocks.stok_order(stcode,gra,index_sira,sira_gra) VALUES(33311,3331,4,7),"
        "(33311,NULL,9,9);");
    const auto products = readAll();
    ASSERT_EQ(products.size(), 2u);
    const stock::StockDefinition& kebap = products[0];
    EXPECT_EQ(kebap.backColor, records::rgb(255, 0, 0));
    EXPECT_EQ(kebap.fontColor, records::rgb(1, 2, 3));
    EXPECT_TRUE(kebap.bundle);
    EXPECT_TRUE(kebap.hasRecipe);
    EXPECT_FALSE(kebap.isQuickSale);
    EXPECT_TRUE(kebap.hasSizes);
    EXPECT_DOUBLE_EQ(kebap.med_prc, 15);
    EXPECT_EQ(kebap.regionPrice.bolgekod, 2);
    EXPECT_FLOAT_EQ(kebap.regionPrice.fiyat_fark, 5.5F);
    EXPECT_EQ(std::make_tuple(kebap.index_sira, kebap.sira_gra), std::make_tuple(4, 7));

    const stock::StockDefinition& ayran = products[1];
    EXPECT_EQ(ayran.fontColor, records::rgb(220, 220, 220));
    EXPECT_EQ(ayran.backColor, 0u);
    EXPECT_FALSE(ayran.bundle || ayran.hasRecipe || ayran.hasSizes);
    EXPECT_TRUE(ayran.isQuickSale);
    EXPECT_EQ(ayran.index_sira, stock::kNoOrder);
}

TEST_F(ProductReaderTest, emptyTablesGiveEmptyLists) {
    EXPECT_TRUE(readAll().empty());
    std::vector<stock::StockCode> codes{1}, deleted{2};
    EXPECT_EQ(stock::readStockCodes(m_runner, codes, deleted), 0);
    EXPECT_TRUE(codes.empty() && deleted.empty());
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(ProductReaderTest, codesAndDeletedCodesAscending) {
    test::addProduct({33315, "b"});
    test::addProduct({33311, "a"});
    test::addProduct({33313, "c"});
    EXPECT_EQ(stock::retireProduct(m_runner, 33313), 1);
    std::vector<stock::StockCode> codes, deleted;
    EXPECT_EQ(stock::readStockCodes(m_runner, codes, deleted), 2);
    EXPECT_EQ(codes, (std::vector<stock::StockCode>{33311, 33315}));
    EXPECT_EQ(deleted, (std::vector<stock::StockCode>{33313}));
    EXPECT_EQ(stock::restoreProduct(m_runner, 33313), 1);
    EXPECT_EQ(TestDatabase::count("stocks.stckdef"), 3);
}
