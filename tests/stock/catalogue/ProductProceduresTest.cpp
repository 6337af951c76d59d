#include "CatalogFixtures.h"
#include "StockFixture.h"
#include "stock/catalogue/CodeChange.h"
#include "stock/catalogue/ProductDelete.h"

using namespace parvela;
using platform::BoxAnswer;
using test::TestDatabase;

namespace {

using CodeChangeTest = test::StockTest;

class ProductDeleteTest : public test::StockTest {
protected:
    void SetUp() override {
        StockTest::SetUp();
        test::addProduct({33311, "Adana Kebap"});
        m_product.stcode = 33311;
        m_product.stname = QStringLiteral("Adana Kebap");
    }

    stock::DeleteResult deleteIt(BoxAnswer answer = BoxAnswer::Yes) {
        m_boxes.queueAnswer(answer);
        return stock::deleteProduct(m_runner, m_boxes, &m_product, &m_owner);
    }

    stock::StockDefinition m_product;
    QObject m_owner;
};

} // namespace

TEST_F(CodeChangeTest, recodesEveryReferringTable) {
    TestDatabase::exec("INSERT INTO imalatkazani.kznlr(code,name) VALUES(1,'Kazan 1');"
                       "CREATE TABLE IF NOT EXISTS imalatkazani.`1input`(stcode BIGINT);"
                       "CREATE TABLE IF NOT EXISTS imalatkazani.`1output`(stcode BIGINT);"
                       "DELETE FROM imalatkazani.`1input`; DELETE FROM imalatkazani.`1output`;"
                       "INSERT INTO imalatkazani.`1input` VALUES(33311); "
                       "INSERT INTO imalatkazani.`1output` VALUES(33311);"
                       "INSERT INTO stocks.moves(stcode) VALUES(33311);"
                       "INSERT INTO oturum.orderitems(stcode) VALUES(33311);"
                       "INSERT INTO oturum.orderitarch(stcode) VALUES(33311);"
                       "INSERT INTO oturum.orddetails(stcode,stkcd) VALUES(33311,33311);"
                       "INSERT INTO oturum.orddetailarch(stcode,stkcd) VALUES(33311,33311);"
                       "INSERT INTO stocks.indirim_tablosu(carikod,stcode) VALUES(1013,33311);"
                       "INSERT INTO stocks.images(stcode,img) VALUES(33311,'a.png');"
                       "INSERT INTO stocks.colors(stcode) VALUES(33311);");
    test::addProduct({33311, "Adana"});
    EXPECT_EQ(stock::changeProductCode(m_runner, 33311, 33399), 1);
    for (const char* table :
         {"imalatkazani.`1input`", "imalatkazani.`1output`", "stocks.moves", "stocks.stckdef",
          "oturum.orderitems", "oturum.orderitarch", "oturum.orddetails", "oturum.orddetailarch",
          "stocks.indirim_tablosu", "stocks.images", "stocks.colors"}) {
        EXPECT_EQ(TestDatabase::scalar(std::string("SELECT MIN(stcode) FROM ") + table), "33399")
            << table;
    }
    EXPECT_EQ(TestDatabase::scalar("SELECT MIN(stkcd) FROM oturum.orddetailarch"), "33399");
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(CodeChangeTest, goesOnAfterAFailingStepAndChangesTheDefinitionFirst) {
    TestDatabase::exec("RENAME TABLE oturum.orderitems TO oturum.orderitems_away;"
                       "INSERT INTO stocks.colors(stcode) VALUES(33311);");
    test::addProduct({33311, "Adana"});
    // A failure elsewhere: the product itself has its new code.
    EXPECT_EQ(stock::changeProductCode(m_runner, 33311, 33399), 1);
    TestDatabase::exec("RENAME TABLE oturum.orderitems_away TO oturum.orderitems;");

    EXPECT_EQ(m_boxes.captions(), QStringList{QStringLiteral("UPDATE_STOK_CODE_IN_ORDER_ITEMS")});
    EXPECT_EQ(TestDatabase::scalar("SELECT stcode FROM stocks.colors"), "33399");
    const auto texts = m_journal.texts();
    const auto position = [&](const std::string& start) {
        return std::find_if(texts.begin(), texts.end(),
                            [&](const std::string& t) { return t.rfind(start, 0) == 0; }) -
               texts.begin();
    };
    EXPECT_EQ(texts.front(), "SELECT code,name FROM kznlr;");
    EXPECT_LT(position("UPDATE stocks.moves"), position("UPDATE stocks.stckdef"));
    EXPECT_LT(position("UPDATE stocks.stckdef"), position("UPDATE orderitems"));
    EXPECT_LT(position("UPDATE orderitems"), position("UPDATE stocks.colors"));
    EXPECT_EQ(texts.size(), 10u);
}

TEST_F(CodeChangeTest, saysSoWhenTheProductKeptItsOldCode) {
    test::addProduct({33311, "Adana"});
    test::addProduct({33399, "Başkası"});
    TestDatabase::exec("INSERT INTO stocks.colors(stcode) VALUES(33311);");
    EXPECT_EQ(stock::changeProductCode(m_runner, 33311, 33399), -1);
    EXPECT_EQ(m_boxes.captions(), QStringList{QStringLiteral("UPDATE_STOK_CODE_IN_STOKTANIMI")});
    // The later steps ran all the same.
    EXPECT_EQ(TestDatabase::scalar("SELECT stcode FROM stocks.colors"), "33399");
}

TEST_F(ProductDeleteTest, asksThenDeletesOnlyOnYes) {
    EXPECT_EQ(deleteIt(BoxAnswer::No), stock::DeleteResult::NotConfirmed);
    EXPECT_EQ(deleteIt(BoxAnswer::Cancel), stock::DeleteResult::NotConfirmed);
    EXPECT_EQ(TestDatabase::count("stocks.stckdef"), 1);
    EXPECT_EQ(deleteIt(BoxAnswer::Yes), stock::DeleteResult::Deleted);
    EXPECT_EQ(TestDatabase::count("stocks.stckdef"), 0);

    ASSERT_EQ(m_boxes.shown().size(), 3u);
    const platform::BoxRequest& ask = m_boxes.shown()[0];
    EXPECT_EQ(ask.text, QStringLiteral("33311 - kodlu Adana Kebap  isimli \nstogu silmek "
                                       "stediginizden emin misiniz?"));
    EXPECT_EQ(ask.caption, QStringLiteral("STOK TANIMI SİLİNİYOR"));
    EXPECT_EQ(ask.buttons, platform::BoxButtons::YesNoCancel);
    EXPECT_EQ(ask.defaultAnswer, BoxAnswer::No);
    EXPECT_EQ(ask.icon, platform::BoxIcon::Exclamation);
    EXPECT_TRUE(ask.topmost);
    EXPECT_EQ(ask.owner, &m_owner);
}

TEST_F(ProductDeleteTest, refusesInTheOrderOpenBillMovementsSales) {
    TestDatabase::exec("INSERT INTO stocks.moves(stcode) VALUES(33311);"
                       "INSERT INTO oturum.orderitarch(stcode) VALUES(33311);");
    EXPECT_EQ(deleteIt(), stock::DeleteResult::HasMovements);
    TestDatabase::exec("INSERT INTO oturum.orderitems(stcode) VALUES(33311);");
    EXPECT_EQ(deleteIt(), stock::DeleteResult::OnOpenBill);
    TestDatabase::exec("DELETE FROM oturum.orderitems; DELETE FROM stocks.moves;");
    EXPECT_EQ(deleteIt(), stock::DeleteResult::HasSales);
    EXPECT_EQ(TestDatabase::count("stocks.stckdef"), 1);

    const QStringList texts = m_boxes.texts();
    ASSERT_EQ(texts.size(), 6);
    EXPECT_EQ(texts[1], QStringLiteral("33311 - kodlu Adana Kebap  isimli \nstoga ait stok "
                                       "hareketi mevcut.\n\nBu stok silinemez."));
    EXPECT_EQ(texts[3], QStringLiteral("33311 - kodlu Adana Kebap  isimli \nstogu hesaplarda "
                                       "açık gözüküyor.\n\nBu stok silinemez."));
    EXPECT_EQ(texts[5], QStringLiteral("33311 - kodlu Adana Kebap  isimli \nstoga ait satış "
                                       "hareketi mevcut.\n\nBu stok silinemez."));
    EXPECT_EQ(m_boxes.shown()[5].caption, QStringLiteral("STOK TANIMI SİLİNEMEZ"));
    EXPECT_EQ(m_boxes.shown()[5].icon, platform::BoxIcon::Information);
}

TEST_F(ProductDeleteTest, nothingSelectedIsToldAndNothingAsked) {
    m_product.stcode = 0;
    EXPECT_EQ(stock::deleteProduct(m_runner, m_boxes, &m_product, &m_owner),
              stock::DeleteResult::NothingSelected);
    EXPECT_EQ(stock::deleteProduct(m_runner, m_boxes, nullptr, &m_owner),
              stock::DeleteResult::NothingSelected);
    EXPECT_EQ(m_boxes.texts(),
              QStringList(2, QStringLiteral("Secilen stok kodu sifir veya herhangi bir stok "
                                            "secilmedi.")));
    EXPECT_EQ(m_boxes.captions()[0], QStringLiteral("STOK SECILMEDI"));
}
