#include "stock/StockEditorSave.h"

#include "CatalogFixtures.h"
#include "DatabaseTest.h"
#include "TestSettings.h"
#include "app/CatalogData.h"
#include "platform/WindowMessages.h"
#include "app/StartupLoad.h"
#include "db/StatementJournal.h"
#include "platform/ProgramMessenger.h"
#include "recipes/RecipeCost.h"

#include <QCloseEvent>
#include <QStringList>
#include <QTest>

using namespace parvela;
using test::TestDatabase;

namespace {

class StockEditorSaveTest : public test::DatabaseTest {
protected:
    void load() {
        app::loadSharedLists(m_catalog);
        m_catalog.runner().setJournal(&m_journal);
        m_boxes.clear();
    }

    stock::StockDefinition& makeCurrent(stock::StockCode code) {
        for (const stock::StockDefinition& p : m_catalog.stock().products)
            if (p.stcode == code)
                m_catalog.currentProduct() = p;
        return m_catalog.currentProduct();
    }

    void selectGroupA(int acode) {
        for (groups::GroupA& group : m_catalog.groups().screenA())
            group.selected = group.acode == acode;
    }

    // Statements the runner issued that begin with `start`.
    std::vector<std::string> issued(const std::string& start) const {
        std::vector<std::string> found;
        for (const std::string& text : m_journal.texts())
            if (text.starts_with(start))
                found.push_back(text);
        return found;
    }

    static double column(const std::string& column, stock::StockCode code) {
        return std::stod(TestDatabase::scalar(
            "SELECT " + column + " FROM stocks.stckdef WHERE stcode=" + std::to_string(code) +
            ";"));
    }

    test::TestSettings m_settings;
    app::CatalogData m_catalog{m_settings, m_boxes};
    platform::ProgramMessenger m_messenger{100};
    stock::EditorContext m_context{m_catalog, m_boxes, m_messenger, nullptr, {}};
    db::StatementJournal m_journal;
};

void addGroup12(stock::StockCode last) {
    test::addGroupA(12, "Sıcak İçecekler");
    for (stock::StockCode code = 121; code <= last; ++code)
        test::addProduct({code, "Ürün " + std::to_string(code), 12});
}

// Records what the cost worker posts.
class Recorder : public QObject {
public:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::Close)
            closed = true;
        else
            events.emplace_back(static_cast<int>(event->type()),
                                static_cast<stock::CostEvent*>(event)->value());
        return true;
    }
    std::vector<std::pair<int, int>> events;
    bool closed = false;
};

} // namespace

TEST(RecipeCost, linesTakeTheirIngredientsFactsAndSumTheirCosts) {
    std::vector<stock::StockDefinition> products(3);
    products[0].stcode = 1;
    products[0].unitcost = 4;
    products[0].unit = "kg";
    products[0].type = 111;
    products[1].stcode = 2;
    products[1].unitcost = 1000; // the product itself, at its old cost
    products[2].stcode = 3;
    products[2].unitcost = 10;
    const recipes::ProductIndex index = recipes::indexByCode(products);
    const std::vector<recipes::RecipeLine> all{test::recipeLine(2, 1, 1.5),
                                               test::recipeLine(2, 2, 1), test::recipeLine(3, 1, 9),
                                               test::recipeLine(2, 99, 7)};
    stock::StockDefinition product = products[1];
    std::vector<recipes::RecipeLine> lines{test::recipeLine(5, 5, 5)};
    EXPECT_EQ(recipes::recipeOf(product, all, index, lines), 3);
    EXPECT_DOUBLE_EQ(product.unitcost, 6);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].unit, "kg");
    EXPECT_EQ(lines[0].type, 111);
    EXPECT_DOUBLE_EQ(lines[0].unitcost, 4);
    EXPECT_DOUBLE_EQ(lines[2].unitcost, 0); // no such product: left as it was

    stock::StockDefinition none;
    EXPECT_EQ(recipes::recipeOf(none, all, index, lines), -2);
    EXPECT_TRUE(lines.empty());
}

TEST_F(StockEditorSaveTest, editSaveWritesItsRowsInOrderAndKeepsWhatTheFormLacks) {
    test::addProduct({121, "Çay", 12, 0, 0, false, 2, 10});
    TestDatabase::exec("UPDATE stocks.stckdef SET sellp4=9.5 WHERE stcode=121;"
                       "INSERT INTO stocks.colors(stcode,red,green,blue,redfnt,greenfnt,bluefnt) "
                       "VALUES(121,10,20,30,200,100,50);"
                       "INSERT INTO stocks.bolge_urun_fiyat(bolgekod,stcode,fiyat_fark) "
                       "VALUES(2,121,5);");
    load();
    makeCurrent(121);
    stock::StockEditorForm form = stock::openForEdit(m_catalog);
    EXPECT_EQ(form.regionDifference, QStringLiteral("5.00"));
    form.retail = QStringLiteral("12.5");
    form.regionDifference = QStringLiteral("7.5");
    m_journal.clear();
    ASSERT_TRUE(stock::saveEdited(m_context, form));

    const std::vector<std::string> texts = m_journal.texts();
    ASSERT_EQ(texts.size(), 7u);
    EXPECT_EQ(texts[0], "DELETE FROM bolge_urun_fiyat WHERE bolgekod=2 AND stcode=121;");
    EXPECT_EQ(texts[1],
              "INSERT INTO bolge_urun_fiyat(bolgekod,stcode,fiyat_fark) VALUES(2,121,7.50);");
    EXPECT_TRUE(texts[2].starts_with("SELECT * FROM colors WHERE stcode=121"));
    EXPECT_TRUE(texts[3].starts_with("UPDATE colors SET red=10,green=20,blue=30,redfnt=200,"
                                     "greenfnt=100,bluefnt=50 WHERE stcode=121"));
    EXPECT_TRUE(texts[4].starts_with("SELECT * FROM stocks.indirim_tablosu"));
    EXPECT_TRUE(texts[5].starts_with("INSERT INTO indirim_tablosu"));
    EXPECT_TRUE(texts[6].starts_with("UPDATE stckdef SET type="));
    EXPECT_DOUBLE_EQ(column("sellp1", 121), 12.5);
    EXPECT_DOUBLE_EQ(column("sellp4", 121), 9.5);
    EXPECT_EQ(TestDatabase::query("SELECT red,green,blue,redfnt,greenfnt,bluefnt FROM "
                                  "stocks.colors WHERE stcode=121;"),
              (TestDatabase::Rows{{"10", "20", "30", "200", "100", "50"}}));
}

TEST_F(StockEditorSaveTest, openingForEditReadsWhatTheProductHasElsewhere) {
    test::addProduct({121, "Çay", 12});
    TestDatabase::exec(
        "INSERT INTO stocks.indirim_tablosu(carikod,stcode,peraken,yuzde) VALUES(1013,121,15,15);"
        "INSERT INTO oturum.bolgeler(kod,baslik) VALUES(4,'Kadıköy');"
        "INSERT INTO stocks.bolge_urun_fiyat(bolgekod,stcode,fiyat_fark) VALUES(4,121,2.5);"
        "INSERT INTO stocks.images(stcode,img) VALUES(121,'x'),(121,'/resim/stok_121.png');"
        "INSERT INTO stocks.prctimes(stcode,prcid,day1,hour1x,hour1y,price) "
        "VALUES(121,1,1,17,19,8),(121,2,7,10,12,9);");
    load();
    makeCurrent(121);
    const stock::StockEditorForm form = stock::openForEdit(m_catalog);
    EXPECT_EQ(form.discount, QStringLiteral("15.00"));
    const stock::StockDefinition& product = m_catalog.currentProduct();
    EXPECT_EQ(product.regionPrice.regionName, QStringLiteral("Kadıköy"));
    EXPECT_FLOAT_EQ(product.regionPrice.fiyat_fark, 2.5F);
    EXPECT_EQ(product.imagePath, QStringLiteral("/resim/stok_121.png"));
    EXPECT_EQ((std::array{product.priceTimesA[0], product.priceTimesA[1], product.priceTimesA[2]}),
              (std::array{1, 17, 19}));
    EXPECT_EQ(product.priceTimesB[0], 7);
    ASSERT_TRUE(stock::saveEdited(m_context, form));
    EXPECT_DOUBLE_EQ(std::stod(TestDatabase::scalar(
                         "SELECT yuzde FROM stocks.indirim_tablosu WHERE stcode=121;")),
                     15);
}

TEST_F(StockEditorSaveTest, nothingToEditIsRefused) {
    load();
    m_catalog.currentProduct().stcode = 0;
    EXPECT_FALSE(stock::mayEditCurrent(m_catalog, m_boxes, nullptr));
    ASSERT_EQ(m_boxes.shown().size(), 1u);
    EXPECT_EQ(m_boxes.texts()[0],
              QStringLiteral("Secilen stok kodu sifir veya herhangi bir stok secilmedi."));
    EXPECT_EQ(m_boxes.captions()[0], QStringLiteral("STOK SECILMEDI"));
}

TEST_F(StockEditorSaveTest, costIsRecomputedForTheDirectUsersOnly) {
    test::addProduct({500, "Un", 5, 0, 0, false, 2});
    test::addProduct({502, "Maya", 5, 0, 0, false, 4});
    for (const stock::StockCode code : {501, 503, 504, 505})
        test::addProduct({code, "Mamul " + std::to_string(code), 5, 0, 0, false, 77});
    test::addRecipeLine(501, 500, 3);
    test::addRecipeLine(501, 502, 1);
    test::addRecipeLine(503, 500, 0.5);
    test::addRecipeLine(503, 503, 1); // its own ingredient
    test::addRecipeLine(504, 501, 2); // uses 500 only through 501
    test::addRecipeLine(505, 500, 1);
    test::addRecipeLine(505, 999, 5); // no such product
    load();
    makeCurrent(500);
    stock::StockEditorForm form = stock::openForEdit(m_catalog);
    form.unitcost = QStringLiteral("10");
    ASSERT_TRUE(stock::saveEdited(m_context, form));
    m_journal.clear();

    std::vector<std::pair<int, int>> reports;
    const int count =
        stock::propagateCost(m_catalog.runner(), stock::costJobFor(m_catalog),
                             [&](int message, int value) { reports.emplace_back(message, value); });

    EXPECT_EQ(count, 3);
    EXPECT_EQ(reports, (std::vector<std::pair<int, int>>{{platform::msg::kCostRange, 3},
                                                         {platform::msg::kCostStep, 1},
                                                         {platform::msg::kCostStep, 2},
                                                         {platform::msg::kCostStep, 3}}));
    EXPECT_EQ(issued("UPDATE stocks.stckdef SET unitcost=").size(), 3u);
    EXPECT_DOUBLE_EQ(column("unitcost", 501), 34);
    EXPECT_DOUBLE_EQ(column("unitcost", 503), 5);
    EXPECT_DOUBLE_EQ(column("unitcost", 505), 10);
    EXPECT_DOUBLE_EQ(column("unitcost", 504), 77);
}

TEST_F(StockEditorSaveTest, workerReportsToItsReceiverAndThenClosesIt) {
    test::addProduct({500, "Un", 5, 0, 0, false, 2});
    test::addProduct({501, "Ekmek", 5});
    test::addRecipeLine(501, 500, 0.25);
    load();
    makeCurrent(500);
    Recorder recorder;
    m_catalog.costWorkers().start(m_catalog.runner(), stock::costJobFor(m_catalog),
                                  std::make_shared<stock::CostMailbox>(&recorder));
    QTRY_VERIFY_WITH_TIMEOUT(recorder.closed, 10000);
    EXPECT_EQ(recorder.events, (std::vector<std::pair<int, int>>{{platform::msg::kCostRange, 1},
                                                                 {platform::msg::kCostStep, 1}}));
    EXPECT_DOUBLE_EQ(column("unitcost", 501), 0.5);

    // A receiver that has gone receives nothing.
    auto mailbox = std::make_shared<stock::CostMailbox>(&recorder);
    mailbox->detach();
    recorder.closed = false;
    m_catalog.costWorkers().start(m_catalog.runner(), stock::costJobFor(m_catalog), mailbox);
    QTest::qWait(500);
    EXPECT_FALSE(recorder.closed);
}

TEST_F(StockEditorSaveTest, newProductWithoutGroupAIsRefusedByTheInsert) {
    load();
    stock::startNewProduct(m_catalog);
    EXPECT_EQ(m_catalog.currentProduct().stcode, -1);
    EXPECT_TRUE(m_catalog.newProductPending());
    stock::StockEditorForm form = stock::formOfCurrent(m_catalog);
    form.name = QStringLiteral("Simit");
    const stock::NewSaveResult result = stock::saveNew(m_context, form);
    EXPECT_FALSE(result.inserted);
    EXPECT_TRUE(m_boxes.texts().contains(QStringLiteral("stok.stok Kodu <= 0 - SIFIR")));
    EXPECT_EQ(TestDatabase::count("stocks.stckdef"), 0);
}

TEST_F(StockEditorSaveTest, newProductTakesTheNextCodeAndLeavesTheFormForTheNext) {
    addGroup12(129);
    load();
    selectGroupA(12);
    stock::startNewProduct(m_catalog);
    EXPECT_EQ(m_catalog.currentProduct().stcode, 1210);
    EXPECT_EQ(m_catalog.currentProduct().groupAName, QStringLiteral("Sıcak İçecekler"));
    stock::StockEditorForm form = stock::formOfCurrent(m_catalog);
    form.name = QStringLiteral("Sahlep");
    form.retail = QStringLiteral("45");
    form.gameStock = true;
    const stock::NewSaveResult result = stock::saveNew(m_context, form);
    EXPECT_TRUE(result.inserted);
    EXPECT_DOUBLE_EQ(column("sellp1", 1210), 45);
    EXPECT_DOUBLE_EQ(column("game_stock", 1210), 1); // a column the insert leaves out
    EXPECT_EQ(TestDatabase::query("SELECT red,green,blue,redfnt,greenfnt,bluefnt FROM "
                                  "stocks.colors WHERE stcode=1210;"),
              (TestDatabase::Rows{{"0", "0", "0", "220", "220", "220"}}));
    const stock::StockDefinition& next = m_catalog.currentProduct();
    EXPECT_EQ(next.stcode, 1211);
    EXPECT_EQ(next.gra, 12);
    EXPECT_EQ(next.groupAName, QStringLiteral("Sıcak İçecekler"));
    EXPECT_TRUE(next.stname.isEmpty());
    EXPECT_TRUE(m_catalog.newProductPending());
}

TEST_F(StockEditorSaveTest, codeOfADeletedProductIsSkipped) {
    addGroup12(122);
    TestDatabase::exec("INSERT INTO stocks.stckdef_old(stcode,stname,gra) VALUES(123,'Eski',12);");
    load();
    selectGroupA(12);
    stock::startNewProduct(m_catalog);
    EXPECT_EQ(m_catalog.currentProduct().stcode, 124);
}

TEST_F(StockEditorSaveTest, onlyBarcodesLongerThanThreeAreCheckedForDuplicates) {
    addGroup12(121);
    TestDatabase::exec("UPDATE stocks.stckdef SET barcode='123' WHERE stcode=121;"
                       "INSERT INTO stocks.stckdef(stcode,stname,gra,barcode) "
                       "VALUES(130,'Türk Kahvesi',12,'8690001');");
    load();
    selectGroupA(12);
    stock::startNewProduct(m_catalog);
    stock::StockEditorForm form = stock::formOfCurrent(m_catalog);
    form.name = QStringLiteral("Oralet");
    form.barcode = QStringLiteral("8690001");
    const stock::NewSaveResult stopped = stock::saveNew(m_context, form);
    EXPECT_TRUE(stopped.stopped);
    EXPECT_FALSE(stopped.inserted);
    EXPECT_TRUE(stopped.status.contains(QStringLiteral("130")));
    EXPECT_TRUE(stopped.status.contains(QStringLiteral("Türk Kahvesi")));
    EXPECT_TRUE(issued("INSERT INTO stckdef").empty());
    EXPECT_TRUE(m_boxes.shown().empty());

    m_journal.clear();
    form.barcode = QStringLiteral("123");
    const stock::NewSaveResult saved = stock::saveNew(m_context, form);
    EXPECT_TRUE(saved.inserted);
    EXPECT_TRUE(issued("SELECT * FROM stocks.stckdef WHERE stocks.stckdef.barcode").empty());
    EXPECT_EQ(TestDatabase::count("stocks.stckdef"), 3);
}

TEST_F(StockEditorSaveTest, renewalSkipsCodesTheServerHasAndMovesTheProduct) {
    addGroup12(125);
    TestDatabase::exec("INSERT INTO stocks.colors(stcode,red,green,blue,redfnt,greenfnt,bluefnt) "
                       "VALUES(125,1,2,3,4,5,6);");
    load();
    test::addProduct({126, "Başka bir kasadan", 12}); // not in memory
    makeCurrent(125);
    ASSERT_TRUE(stock::renewCode(m_context));
    EXPECT_EQ(m_catalog.currentProduct().stcode, 127);
    EXPECT_EQ(TestDatabase::scalar("SELECT stname FROM stocks.stckdef WHERE stcode=127;"),
              "Ürün 125");
    EXPECT_EQ(TestDatabase::scalar("SELECT COUNT(*) FROM stocks.stckdef WHERE stcode=125;"), "0");
    EXPECT_EQ(TestDatabase::scalar("SELECT stcode FROM stocks.colors;"), "127");
}

TEST_F(StockEditorSaveTest, finishedSeriesMovesASavedProductAndOnlyNumbersANewOne) {
    addGroup12(121);
    test::addProduct({3331, "Mamül 1", 12});
    TestDatabase::exec("INSERT INTO stocks.stckdef_old(stcode,stname,gra) VALUES(3332,'Eski',12);");
    load();
    makeCurrent(121);
    ASSERT_TRUE(stock::renewFinishedCode(m_context));
    EXPECT_EQ(m_catalog.currentProduct().stcode, 3333);
    EXPECT_EQ(TestDatabase::scalar("SELECT stname FROM stocks.stckdef WHERE stcode=3333;"),
              "Ürün 121");

    selectGroupA(12);
    stock::startNewProduct(m_catalog);
    m_journal.clear();
    ASSERT_TRUE(stock::renewFinishedCode(m_context));
    EXPECT_EQ(m_catalog.currentProduct().stcode, 3334);
    EXPECT_TRUE(issued("UPDATE").empty());
}
