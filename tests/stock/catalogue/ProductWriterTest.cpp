#include "stock/catalogue/ProductWriter.h"

#include "CatalogFixtures.h"
#include "StockFixture.h"
#include "stock/catalogue/NameRepair.h"
#include "stock/catalogue/ProductSave.h"

using namespace parvela;
using test::TestDatabase;

namespace {

stock::StockDefinition sampleProduct() {
    stock::StockDefinition p;
    p.stcode = 33311;
    p.type = 333;
    p.gra = 3331;
    p.grb = 33312;
    p.grc = 333122;
    p.brnd = QStringLiteral("Ev Yapımı");
    p.model = "K1";
    p.specs2 = QStringLiteral("acılı");
    p.barcode = "8690001";
    p.stname = QStringLiteral("Adana Kebap");
    p.unit = "prs";
    p.curr = "TL";
    p.kdv = 10;
    p.unitcost = 45.12346;
    p.sellp1 = 180.5;
    p.sellp6 = 175;
    p.crtqua = 5;
    p.specs = QStringLiteral("Zırh kıyma");
    p.depart = 2;
    p.azparam = 1.5;
    p.sku = "ADN";
    p.prcchange = true;
    p.is_weighed = false;
    return p;
}

using ProductWriterTest = test::StockTest;

} // namespace

TEST_F(ProductWriterTest, insertWritesItsStatementAndPricesWithFourDecimals) {
    const stock::StockDefinition p = sampleProduct();
    EXPECT_EQ(stock::insertProduct(m_runner, m_boxes, p), 1);
    const auto texts = m_journal.texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0], "SELECT * FROM stocks.stckdef WHERE stcode=33311;");
    EXPECT_EQ(texts[1],
              "INSERT INTO stckdef(stcode,type,gra,grb,grc,brnd,model,specs2,barcode,serial,"
              "partnum,stname,unit,curr,kdv,unitcost,sellp1,sellp2,sellp3,sellp4,sellp5,sellp6,"
              "crtqua,specs,depart,azparam,sku,prcchange,is_weighed)VALUES(33311,333,3331,33312,"
              "333122,_latin5'Ev Yap\xFDm\xFD','K1',_latin5'ac\xFDl\xFD','8690001','','',"
              "_latin5'Adana Kebap','prs','TL',10.00,45.1235,180.5000,0.0000,0.0000,0.0000,"
              "0.0000,175.0000,5.0000,_latin5'Z\xFDrh k\xFDyma',2,1.50,'ADN',1,0);");
    EXPECT_EQ(TestDatabase::query("SELECT stname,brnd,unitcost,sellp1 FROM stocks.stckdef")[0],
              (std::vector<std::string>{"Adana Kebap", "Ev Yapımı", "45.1235", "180.5000"}));
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(ProductWriterTest, updateWritesPricesWithTwoDecimalsAndCostWithThree) {
    stock::StockDefinition p = sampleProduct();
    test::addProduct({p.stcode, "eski"});
    p.grd = 1;
    p.gre = 2;
    p.grf = 3;
    p.qua1 = 1.25;
    p.bundle = true;
    p.related_update = true;
    EXPECT_EQ(stock::updateProduct(m_runner, p), 1);
    EXPECT_EQ(m_journal.texts().at(0),
              "UPDATE stckdef SET type=333,gra=3331,grb=33312,grc=333122,grd=1,gre=2,grf=3,"
              "brnd=_latin5'Ev Yap\xFDm\xFD',model='K1',specs2=_latin5'ac\xFDl\xFD',"
              "barcode='8690001',serial='',partnum='',stname=_latin5'Adana Kebap',unit='prs',"
              "curr='TL',kdv=10.00,unitcost=45.123,sellp1=180.50,sellp2=0.00,sellp3=0.00,"
              "sellp4=0.00,sellp5=0.00,qua1=1.25,sellp6=175.00,qua2=0.00,crtqua=5.00,"
              "specs=_latin5'Z\xFDrh k\xFDyma',`bundle`=1 ,`depart`=2 ,azparam=1.50,"
              "`game_stock`=0,`related_update`=1, `prcchange`=1,`is_weighed`=0  WHERE "
              "stcode=33311;");
    EXPECT_EQ(TestDatabase::query("SELECT stname,unitcost,grf,bundle FROM stocks.stckdef")[0],
              (std::vector<std::string>{"Adana Kebap", "45.1230", "3", "1"}));
}

TEST_F(ProductWriterTest, insertRefusesCodeZeroAndCodesInUse) {
    stock::StockDefinition p = sampleProduct();
    p.stcode = 0;
    EXPECT_EQ(stock::insertProduct(m_runner, m_boxes, p), -2);
    test::addProduct({33311, "var"});
    p.stcode = 33311;
    EXPECT_EQ(stock::insertProduct(m_runner, m_boxes, p), -3);
    ASSERT_EQ(m_boxes.shown().size(), 2u);
    EXPECT_EQ(m_boxes.texts(), QStringList({QStringLiteral("stok.stok Kodu <= 0 - SIFIR"),
                                            QStringLiteral("Bu stok Kodu 33311 var.")}));
    for (const auto& box : m_boxes.shown()) {
        EXPECT_EQ(box.caption, QStringLiteral("INSERT_NEW_STOCK_DEFINITION"));
        EXPECT_TRUE(box.topmost);
    }
    EXPECT_EQ(TestDatabase::count("stocks.stckdef"), 1);
}

TEST_F(ProductWriterTest, unreachableServerMakesTheCheckAnswerInUse) {
    test::TestSettings unreachable({{"Server/ipno", "127.0.0.2"}});
    const db::DbConnection nowhere(unreachable);
    const db::StatementRunner runner(nowhere, m_boxes);
    EXPECT_EQ(stock::insertProduct(runner, m_boxes, sampleProduct()), -3);
    EXPECT_EQ(m_boxes.captions(), QStringList({QStringLiteral("Check_if_StokCode_Exists"),
                                               QStringLiteral("INSERT_NEW_STOCK_DEFINITION")}));
}

TEST_F(ProductWriterTest, textsAreStoredAsTypedAndNeverChangeTheStatement) {
    stock::StockDefinition p = sampleProduct();
    p.stname = QStringLiteral("Ali'nin \\ köfte; DROP TABLE stckdef; --");
    p.model = "x'y";
    p.specs = QStringLiteral("Menü “Özel” – 5 €");
    EXPECT_EQ(stock::insertProduct(m_runner, m_boxes, p), 1);
    EXPECT_EQ(TestDatabase::query("SELECT stname,model,specs FROM stocks.stckdef")[0],
              (std::vector<std::string>{"Ali'nin \\ köfte; DROP TABLE stckdef; --", "x'y",
                                        "Menü “Özel” – 5 €"}));
    EXPECT_EQ(stock::writeProductName(m_runner, p), 1);
    EXPECT_EQ(m_journal.texts().back(), "UPDATE stckdef SET stname=_latin5'Ali\\'nin \\\\ k\xF6"
                                        "fte; DROP TABLE "
                                        "stckdef; --' WHERE stcode=33311 ;");
    EXPECT_TRUE(m_boxes.shown().empty());
}

// A byte field that is no UTF-8, or longer than the record keeps, would make
// the server refuse the whole row.
TEST_F(ProductWriterTest, byteFieldsReachTheirColumnsAsUtf8WithinTheirSizes) {
    stock::StockDefinition p = sampleProduct();
    p.serial = "SN\xFF" + std::string(50, '7');
    p.barcode = "869\xC3";
    p.unit = "adet\xE2\x82\xAC";
    EXPECT_EQ(stock::insertProduct(m_runner, m_boxes, p), 1);
    EXPECT_NE(m_journal.texts().back().find(",'869\xEF\xBF\xBD','SN\xEF\xBF\xBD" +
                                            std::string(36, '7') + "',"),
              std::string::npos);
    EXPECT_EQ(TestDatabase::query("SELECT serial,barcode,unit FROM stocks.stckdef")[0],
              (std::vector<std::string>{"SN\xEF\xBF\xBD" + std::string(36, '7'), "869\xEF\xBF\xBD",
                                        "adet"}));
    EXPECT_EQ(stock::updateProduct(m_runner, p), 1);
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(ProductWriterTest, saveRunsItsStepsInOrderAndSkipsAZeroRegionPrice) {
    stock::StockDefinition p = sampleProduct();
    test::addProduct({p.stcode, "eski"});
    p.red = 10;
    p.peraken = 150;
    p.yuzde = 12.5;
    stock::StockDefinition old;
    old.stcode = p.stcode;
    stock::CatalogueFeed products(test::catalogueOf({old}));
    EXPECT_EQ(stock::saveProduct(m_runner, p, products), stock::ProductSaved::Yes);
    auto texts = m_journal.texts();
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_EQ(texts[0], "SELECT * FROM colors WHERE stcode=33311;");
    EXPECT_EQ(texts[1], "INSERT INTO colors(stcode,red,green,blue,redfnt,greenfnt,bluefnt) "
                        "VALUES(33311,10,0,0,0,0,0);");
    EXPECT_EQ(texts[2], "SELECT * FROM stocks.indirim_tablosu WHERE indirim_tablosu.stcode=33311;");
    EXPECT_EQ(texts[3], "INSERT INTO indirim_tablosu(carikod,stcode,peraken,yuzde) "
                        "VALUES(1013,33311,150.00,12.500);");
    EXPECT_EQ(texts[4].rfind("UPDATE stckdef SET type=333,", 0), 0u);
    EXPECT_EQ(products.current()->products[0].stname, p.stname);

    m_journal.clear();
    p.regionPrice.bolgekod = 3;
    p.regionPrice.fiyat_fark = 7.5F;
    p.red = 20;
    EXPECT_EQ(stock::saveProduct(m_runner, p, products), stock::ProductSaved::Yes);
    texts = m_journal.texts();
    ASSERT_EQ(texts.size(), 7u);
    EXPECT_EQ(texts[0], "DELETE FROM bolge_urun_fiyat WHERE bolgekod=3 AND stcode=33311;");
    EXPECT_EQ(texts[1],
              "INSERT INTO bolge_urun_fiyat(bolgekod,stcode,fiyat_fark) VALUES(3,33311,7.50);");
    EXPECT_EQ(texts[3], "UPDATE colors SET red=20,green=0,blue=0,redfnt=0,greenfnt=0,bluefnt=0 "
                        "WHERE stcode=33311;");
    EXPECT_EQ(texts[5],
              "UPDATE indirim_tablosu SET peraken=150.00, yuzde=12.500 WHERE stcode=33311;");
    EXPECT_EQ(TestDatabase::count("stocks.colors"), 1);
    EXPECT_EQ(TestDatabase::count("stocks.indirim_tablosu"), 1);
}

TEST_F(ProductWriterTest, allNamesAreWrittenBackManyToACall) {
    std::vector<stock::StockDefinition> products(3);
    const char* names[] = {"Çiğ Köfte", "İskender", "Su"};
    for (std::size_t i = 0; i < 3; ++i) {
        products[i].stcode = 33311 + static_cast<int>(i);
        products[i].stname = QString::fromUtf8(names[i]);
        test::addProduct({products[i].stcode, "?"});
    }
    const stock::NamesRewritten done = stock::rewriteProductNames(m_runner, m_boxes, products);
    EXPECT_EQ(done.written, 3);
    EXPECT_EQ(m_journal.texts().size(), 1u);
    EXPECT_EQ(TestDatabase::query("SELECT stname FROM stocks.stckdef ORDER BY stcode"),
              (TestDatabase::Rows{{"Çiğ Köfte"}, {"İskender"}, {"Su"}}));
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(ProductWriterTest, aFailedNameLeavesEveryNameAsItWas) {
    std::vector<stock::StockDefinition> products(4);
    for (std::size_t i = 0; i < 4; ++i) {
        products[i].stcode = 33311 + static_cast<int>(i);
        products[i].stname = QStringLiteral("Yeni %1").arg(i);
        test::addProduct({products[i].stcode, "Eski"});
    }
    TestDatabase::exec("CREATE TRIGGER stocks.refuse_one BEFORE UPDATE ON stocks.stckdef "
                       "FOR EACH ROW BEGIN IF NEW.stcode=33312 THEN SIGNAL SQLSTATE '45000' "
                       "SET MESSAGE_TEXT='kilitli'; END IF; END");
    const stock::NamesRewritten done = stock::rewriteProductNames(m_runner, m_boxes, products);
    TestDatabase::exec("DROP TRIGGER stocks.refuse_one;");
    EXPECT_EQ(done.written, 0);
    EXPECT_EQ(done.failed, 4);
    EXPECT_EQ(TestDatabase::query("SELECT stname FROM stocks.stckdef ORDER BY stcode"),
              (TestDatabase::Rows{{"Eski"}, {"Eski"}, {"Eski"}, {"Eski"}}));
    // One box, under the failing statement's tag.
    EXPECT_EQ(m_boxes.captions(), QStringList{QStringLiteral("UPDATE_STOCK_NAME")});
}

TEST_F(ProductWriterTest, aFailedInsertAndAnUpdateOfNoRowSaySo) {
    TestDatabase::exec("CREATE TRIGGER stocks.refuse_insert BEFORE INSERT ON stocks.stckdef "
                       "FOR EACH ROW SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT='kapali';");
    EXPECT_EQ(stock::insertProduct(m_runner, m_boxes, sampleProduct()), -1);
    TestDatabase::exec("DROP TRIGGER stocks.refuse_insert;");
    EXPECT_EQ(m_boxes.captions(), QStringList{QStringLiteral("INSERT_NEW_STOCK_DEFINITION")});

    EXPECT_EQ(stock::updateProduct(m_runner, sampleProduct()), 0);
    test::addProduct({33311, "Adana Kebap"});
    EXPECT_EQ(stock::updateProduct(m_runner, sampleProduct()), 1);
    // Saved again unchanged, it still finds its row.
    EXPECT_EQ(stock::updateProduct(m_runner, sampleProduct()), 1);
}

TEST_F(ProductWriterTest, theUpdateKeepsTheWholeBrandAndNote) {
    stock::StockDefinition p = sampleProduct();
    p.brnd = QString(39, QLatin1Char('B'));
    p.specs = QString(1023, QLatin1Char('n'));
    test::addProduct({33311, "Adana Kebap"});
    EXPECT_EQ(stock::updateProduct(m_runner, p), 1);
    EXPECT_EQ(TestDatabase::scalar("SELECT CHAR_LENGTH(brnd) FROM stocks.stckdef;"), "39");
    EXPECT_EQ(TestDatabase::scalar("SELECT CHAR_LENGTH(specs) FROM stocks.stckdef;"), "1023");
}
