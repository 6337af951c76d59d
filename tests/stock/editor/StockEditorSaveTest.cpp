#include "stock/editor/StockEditorSave.h"

#include "BrowserFixture.h"
#include "CatalogFixtures.h"
#include "RefusingTrigger.h"
#include "app/StartupLoad.h"
#include "db/StatementJournal.h"
#include "platform/BackgroundJobs.h"
#include "platform/WindowMessages.h"
#include "recipes/RecipeCost.h"
#include "records/CatalogueEdits.h"
#include "stock/catalogue/CostPropagation.h"

#include <QCloseEvent>
#include <QStringList>
#include <QTest>
#include <chrono>
#include <thread>

using namespace parvela;
using test::TestDatabase;

namespace {

class StockEditorSaveTest : public test::StockTestBase {
protected:
    void load() {
        app::loadSharedLists(m_catalog);
        m_catalog.runner().setJournal(&m_journal);
        m_boxes.clear();
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

    static std::string column(const std::string& column, stock::StockCode code) {
        return TestDatabase::scalar(
            "SELECT " + column + " FROM stocks.stckdef WHERE stcode=" + std::to_string(code) + ";");
    }

    stock::EditorContext m_editor{m_context, nullptr, {}};
    db::StatementJournal m_journal;
};

void addGroup12(stock::StockCode last) {
    test::addGroupA(12, "Sıcak İçecekler");
    for (stock::StockCode code = 121; code <= last; ++code)
        test::addProduct({code, "Ürün " + std::to_string(code), 12});
}

// Records what a job posts.
class Recorder : public QObject {
public:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::Close)
            closed = true;
        else
            events.emplace_back(static_cast<int>(event->type()),
                                static_cast<platform::JobEvent*>(event)->value());
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

    // The worker's copy of the lists costs the same.
    const recipes::CostIndex costs(products, all);
    EXPECT_DOUBLE_EQ(costs.recipeCost(2), 6);
    EXPECT_DOUBLE_EQ(costs.recipeCost(3), 36);
    EXPECT_DOUBLE_EQ(costs.recipeCost(1), 0);

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
    stock::EditedProduct edited = edit(121);
    stock::StockEditorForm form = stock::formOf(edited, m_context);
    EXPECT_EQ(form.regionDifference, QStringLiteral("5,00"));
    form.retail = QStringLiteral("12,5");
    form.regionDifference = QStringLiteral("7.5");
    m_journal.clear();
    ASSERT_EQ(stock::saveEdited(m_editor, edited, form).result, stock::EditSaveResult::Saved);

    const std::vector<std::string> texts = m_journal.texts();
    ASSERT_EQ(texts.size(), 8u);
    EXPECT_EQ(texts[0], "SELECT * FROM stocks.stckdef WHERE stcode=121;");
    EXPECT_EQ(texts[1], "DELETE FROM bolge_urun_fiyat WHERE bolgekod=2 AND stcode=121;");
    EXPECT_EQ(texts[2],
              "INSERT INTO bolge_urun_fiyat(bolgekod,stcode,fiyat_fark) VALUES(2,121,7.50);");
    EXPECT_TRUE(texts[3].starts_with("SELECT * FROM colors WHERE stcode=121"));
    EXPECT_TRUE(texts[4].starts_with("UPDATE colors SET red=10,green=20,blue=30,redfnt=200,"
                                     "greenfnt=100,bluefnt=50 WHERE stcode=121"));
    EXPECT_TRUE(texts[5].starts_with("SELECT * FROM stocks.indirim_tablosu"));
    EXPECT_TRUE(texts[6].starts_with("INSERT INTO indirim_tablosu"));
    EXPECT_TRUE(texts[7].starts_with("UPDATE stckdef SET type="));
    EXPECT_EQ(column("sellp1", 121), "12.5000");
    EXPECT_EQ(column("sellp4", 121), "9.5000");
    EXPECT_EQ(edited.product.sellp1, 12.5);
    EXPECT_EQ(TestDatabase::query("SELECT red,green,blue,redfnt,greenfnt,bluefnt FROM "
                                  "stocks.colors WHERE stcode=121;"),
              (TestDatabase::Rows{{"10", "20", "30", "200", "100", "50"}}));
}

TEST_F(StockEditorSaveTest, aFailedColourWriteIsNotASave) {
    test::addProduct({121, "Çay", 12});
    load();
    TestDatabase::exec("CREATE TRIGGER stocks.refuse_colour BEFORE INSERT ON stocks.colors "
                       "FOR EACH ROW SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT='kilitli';");
    stock::EditedProduct edited = edit(121);
    stock::StockEditorForm form = stock::formOf(edited, m_context);
    form.retail = QStringLiteral("15");
    const stock::SaveOutcome outcome = stock::saveEdited(m_editor, edited, form);
    TestDatabase::exec("DROP TRIGGER stocks.refuse_colour;");
    // Nothing of the save stays, and the window must not close as saved.
    EXPECT_EQ(outcome.result, stock::EditSaveResult::Failed);
    EXPECT_EQ(m_boxes.captions(), QStringList{QStringLiteral("UPDATE_STOK_RENGI")});
    EXPECT_EQ(column("sellp1", 121), "0.0000");
    // Saved again once the table takes it, it goes through.
    EXPECT_EQ(stock::saveEdited(m_editor, edited, form).result, stock::EditSaveResult::Saved);
    EXPECT_EQ(TestDatabase::scalar("SELECT COUNT(*) FROM stocks.colors WHERE stcode=121;"), "1");
}

TEST_F(StockEditorSaveTest, anUntouchedSaveWritesBackExactlyWhatWasRead) {
    test::addProduct({121, "Çay", 12});
    const std::string brand(39, 'B');
    const std::string note = std::string(1010, 'n') + "%son";
    TestDatabase::exec("UPDATE stocks.stckdef SET brnd='" + brand + "',specs='" + note +
                       "',unit='kaş',barcode='12345678901234567890123456789012345' "
                       "WHERE stcode=121;");
    load();
    stock::EditedProduct edited = edit(121);
    const auto before = TestDatabase::query(
        "SELECT brnd,specs,unit,curr,barcode,stname FROM stocks.stckdef WHERE stcode=121;");
    ASSERT_EQ(stock::saveEdited(m_editor, edited, stock::formOf(edited, m_context)).result,
              stock::EditSaveResult::Saved);
    EXPECT_EQ(
        TestDatabase::query(
            "SELECT brnd,specs,unit,curr,barcode,stname FROM stocks.stckdef WHERE stcode=121;"),
        before);
}

TEST_F(StockEditorSaveTest, theListAfterAnEditSaveComesLaterAndOnlyWhenNothingNewerCame) {
    test::addProduct({121, "Çay", 12});
    test::addProduct({122, "Kahve", 12});
    load();
    int rebuilt = 0;
    const stock::EditorContext editor{m_context, nullptr, [&] {
                                          ++rebuilt;
                                      }};
    stock::EditorContext finishing = editor;
    stock::EditedProduct edited = edit(121);
    stock::StockEditorForm form = stock::formOf(edited, m_context);
    form.name = QStringLiteral("Zencefil Çayı");
    ASSERT_EQ(stock::saveEdited(finishing, edited, form).result, stock::EditSaveResult::Saved);
    // Another till renames the other product meanwhile.
    TestDatabase::exec("UPDATE stocks.stckdef SET stname='Türk Kahvesi' WHERE stcode=122;");
    const std::uint64_t saved = m_catalog.catalogue().revision();
    stock::finishEditSave(finishing);
    // The saved row shows at once; the list once read comes by itself.
    EXPECT_EQ(product(121)->stname, "Zencefil Çayı");
    EXPECT_EQ(m_catalog.current()->products.front().stcode, 121);
    EXPECT_EQ(rebuilt, 1);
    QTRY_VERIFY_WITH_TIMEOUT(m_catalog.catalogue().revision() > saved, 10000);
    EXPECT_EQ(product(122)->stname, "Türk Kahvesi");
    EXPECT_EQ(m_catalog.current()->products.back().stcode, 121); // by name again

    // A read published meanwhile, or a later one asked for, wins.
    TestDatabase::exec("UPDATE stocks.stckdef SET stname='Eski' WHERE stcode=122;");
    m_context.rereadProductsLater();
    m_catalog.readProducts();
    const std::uint64_t afterRead = m_catalog.catalogue().revision();
    TestDatabase::exec("UPDATE stocks.stckdef SET stname='Yeni' WHERE stcode=122;");
    m_context.rereadProductsLater();
    m_context.rereadProductsLater();
    QTRY_VERIFY_WITH_TIMEOUT(!m_jobs.busy(), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(m_catalog.catalogue().revision(), afterRead + 1, 10000);
    QCoreApplication::processEvents();
    EXPECT_EQ(m_catalog.catalogue().revision(), afterRead + 1);
    EXPECT_EQ(product(122)->stname, "Yeni");

    // A change published while a read is on its way may be newer than what
    // the read brings: the read goes again rather than hide it.
    m_context.rereadProductsLater();
    while (m_jobs.busy()) // read, not yet taken in
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    stock::changeProducts(m_catalog.catalogue(), {122},
                          [](stock::StockDefinition& p) { p.gunmenu = 1; });
    TestDatabase::exec("UPDATE stocks.stckdef SET gunmenu=1 WHERE stcode=122;");
    const std::uint64_t patched = m_catalog.catalogue().revision();
    QTRY_VERIFY_WITH_TIMEOUT(m_catalog.catalogue().revision() > patched, 10000);
    EXPECT_EQ(product(122)->gunmenu, 1);
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(StockEditorSaveTest, aNameWithAQuoteStaysAsTypedSaveAfterSave) {
    test::addProduct({121, "Çay", 12});
    load();
    stock::EditedProduct edited = edit(121);
    stock::StockEditorForm form = stock::formOf(edited, m_context);
    form.name = QStringLiteral("Ali'nin \"Özel\" Çayı");
    ASSERT_EQ(stock::saveEdited(m_editor, edited, form).result, stock::EditSaveResult::Saved);
    EXPECT_EQ(column("stname", 121), "Ali'nin \"Özel\" Çayı");
    for (int again = 0; again < 2; ++again) {
        m_catalog.readProducts();
        stock::EditedProduct reopened = edit(121);
        ASSERT_EQ(stock::saveEdited(m_editor, reopened, stock::formOf(reopened, m_context)).result,
                  stock::EditSaveResult::Saved);
        EXPECT_EQ(column("stname", 121), "Ali'nin \"Özel\" Çayı");
    }
    // What the cleaning takes out of a typed name still goes.
    form.name = QStringLiteral("Çay #1 %50");
    ASSERT_EQ(stock::saveEdited(m_editor, edited, form).result, stock::EditSaveResult::Saved);
    EXPECT_EQ(column("stname", 121), "Çay  1  50");
}

TEST_F(StockEditorSaveTest, unitsAndBarcodesAreCutBetweenLetters) {
    test::addProduct({121, "Çay", 12});
    load();
    stock::EditedProduct edited = edit(121);
    stock::StockEditorForm form = stock::formOf(edited, m_context);
    form.unit = QStringLiteral("kaşık");
    form.barcode = QStringLiteral("ĞĞĞĞĞĞĞĞĞĞĞĞĞĞĞ"); // 30 bytes, cut at 29
    ASSERT_EQ(stock::saveEdited(m_editor, edited, form).result, stock::EditSaveResult::Saved);
    EXPECT_TRUE(m_boxes.shown().empty());
    EXPECT_EQ(column("unit", 121), "ka");
    EXPECT_EQ(column("barcode", 121), "ĞĞĞĞĞĞĞĞĞĞĞĞĞĞ");
}

TEST_F(StockEditorSaveTest, editSaveRefusesABarcodeAnotherProductHas) {
    addGroup12(122);
    TestDatabase::exec("UPDATE stocks.stckdef SET barcode='8690001' WHERE stcode=122;"
                       "UPDATE stocks.stckdef SET barcode='8690009' WHERE stcode=121;");
    load();
    stock::EditedProduct edited = edit(121);
    stock::StockEditorForm form = stock::formOf(edited, m_context);
    // Its own barcode is no obstacle.
    ASSERT_EQ(stock::saveEdited(m_editor, edited, form).result, stock::EditSaveResult::Saved);
    form.barcode = QStringLiteral("8690001");
    form.retail = QStringLiteral("99");
    const stock::SaveOutcome refused = stock::saveEdited(m_editor, edited, form);
    EXPECT_EQ(refused.result, stock::EditSaveResult::Stopped);
    EXPECT_EQ(refused.status, QStringLiteral("Bu barkod kayıtlı: 122 - Ürün 122"));
    EXPECT_EQ(column("barcode", 121), "8690009");
    EXPECT_EQ(column("sellp1", 121), "0.0000");
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
    stock::EditedProduct edited = edit(121);
    const stock::StockEditorForm form = stock::formOf(edited, m_context);
    EXPECT_EQ(form.discount, QStringLiteral("15,00"));
    const stock::StockDefinition& product = edited.product;
    EXPECT_EQ(product.regionPrice.regionName, QStringLiteral("Kadıköy"));
    EXPECT_FLOAT_EQ(product.regionPrice.fiyat_fark, 2.5F);
    EXPECT_EQ(product.imagePath, QStringLiteral("/resim/stok_121.png"));
    EXPECT_EQ((std::array{edited.priceTimesA[0], edited.priceTimesA[1], edited.priceTimesA[2]}),
              (std::array{1, 17, 19}));
    EXPECT_EQ(edited.priceTimesB[0], 7);
    EXPECT_EQ(edited.groupNames[0], QString()); // no Group A 12 here
    ASSERT_EQ(stock::saveEdited(m_editor, edited, form).result, stock::EditSaveResult::Saved);
    EXPECT_EQ(TestDatabase::scalar("SELECT yuzde FROM stocks.indirim_tablosu WHERE stcode=121;"),
              "15.000");
}

TEST_F(StockEditorSaveTest, nothingToEditIsRefused) {
    load();
    EXPECT_FALSE(stock::mayEdit(stock::StockDefinition{}, m_boxes, nullptr));
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
    stock::EditedProduct edited = edit(500);
    stock::StockEditorForm form = stock::formOf(edited, m_context);
    form.unitcost = QStringLiteral("10");
    ASSERT_EQ(stock::saveEdited(m_editor, edited, form).result, stock::EditSaveResult::Saved);
    m_journal.clear();
    const std::string unitcostBefore501 = column("unitcost", 501);

    Recorder recorder;
    auto mailbox = std::make_shared<platform::JobMailbox>(&recorder);
    auto cancel = std::make_shared<std::atomic<bool>>(false);
    platform::JobReport report(mailbox, cancel, m_boxes);
    {
        // One user refused: none of them takes the new cost.
        const test::RefusingTrigger refusal("BEFORE UPDATE ON stocks.stckdef", "NEW.stcode=505");
        EXPECT_EQ(
            stock::propagateCost(m_catalog.runner(), 500, *stock::costIndexFor(m_context), report),
            -1);
    }
    EXPECT_EQ(column("unitcost", 501), unitcostBefore501);
    QCoreApplication::processEvents();
    recorder.events.clear();
    m_boxes.clear();
    m_journal.clear();
    const int count =
        stock::propagateCost(m_catalog.runner(), 500, *stock::costIndexFor(m_context), report);
    QCoreApplication::processEvents();

    EXPECT_EQ(count, 3);
    // The users' costs go in one call: at a distance each call is a round trip.
    EXPECT_EQ(recorder.events,
              (std::vector<std::pair<int, int>>{{platform::msg::kProgressRange, 3},
                                                {platform::msg::kProgressStep, 3}}));
    EXPECT_EQ(
        issued("UPDATE stocks.stckdef SET unitcost="),
        std::vector<std::string>{"UPDATE stocks.stckdef SET unitcost=34.000 WHERE stcode=501;"
                                 "UPDATE stocks.stckdef SET unitcost=5.000 WHERE stcode=503;"
                                 "UPDATE stocks.stckdef SET unitcost=10.000 WHERE stcode=505;"});
    EXPECT_EQ(column("unitcost", 501), "34.0000");
    EXPECT_EQ(column("unitcost", 503), "5.0000");
    EXPECT_EQ(column("unitcost", 505), "10.0000");
    EXPECT_EQ(column("unitcost", 504), "77.0000");

    // A cancelled job writes no more costs.
    cancel->store(true);
    m_journal.clear();
    stock::propagateCost(m_catalog.runner(), 500, *stock::costIndexFor(m_context), report);
    EXPECT_TRUE(issued("UPDATE stocks.stckdef SET unitcost=").empty());
}

TEST_F(StockEditorSaveTest, aJobReportsToItsReceiverAndThenClosesIt) {
    test::addProduct({500, "Un", 5, 0, 0, false, 2});
    test::addProduct({501, "Ekmek", 5});
    test::addRecipeLine(501, 500, 0.25);
    load();
    Recorder recorder;
    m_jobs.start(stock::costPropagationJob(m_catalog.runner(), 500, stock::costIndexFor(m_context)),
                 std::make_shared<platform::JobMailbox>(&recorder));
    QTRY_VERIFY_WITH_TIMEOUT(recorder.closed, 10000);
    EXPECT_EQ(recorder.events,
              (std::vector<std::pair<int, int>>{{platform::msg::kProgressRange, 1},
                                                {platform::msg::kProgressStep, 1}}));
    EXPECT_EQ(column("unitcost", 501), "0.5000");

    // A receiver that has gone receives nothing.
    auto mailbox = std::make_shared<platform::JobMailbox>(&recorder);
    mailbox->detach();
    recorder.closed = false;
    m_jobs.start(stock::costPropagationJob(m_catalog.runner(), 500, stock::costIndexFor(m_context)),
                 mailbox);
    QTRY_VERIFY_WITH_TIMEOUT(!m_jobs.busy(), 10000);
    QCoreApplication::processEvents();
    EXPECT_FALSE(recorder.closed);
}

TEST_F(StockEditorSaveTest, aFailureBoxOfAJobAtShutdownDoesNotHangTheProgram) {
    test::addProduct({500, "Un", 5, 0, 0, false, 2});
    load();
    TestDatabase::exec("DROP TABLE stocks.receipts;");
    Recorder recorder;
    // The job's box waits for the user-interface thread, which is about to
    // wait for the job: shutting down releases it.
    m_jobs.start(stock::costPropagationJob(m_catalog.runner(), 500, stock::costIndexFor(m_context)),
                 std::make_shared<platform::JobMailbox>(&recorder));
    QTest::qSleep(300);
    m_jobs.shutdown();
    EXPECT_FALSE(m_jobs.busy());
    TestDatabase::loadSchema();
}

TEST_F(StockEditorSaveTest, newProductWithoutGroupAIsRefusedByTheInsert) {
    load();
    stock::EditedProduct edited = stock::startNewProduct(m_context);
    EXPECT_EQ(edited.product.stcode, -1);
    EXPECT_TRUE(edited.isNew);
    stock::StockEditorForm form = stock::formOf(edited, m_context);
    form.name = QStringLiteral("Simit");
    const stock::NewSaveResult result = stock::saveNew(m_editor, edited, form);
    EXPECT_FALSE(result.inserted);
    EXPECT_TRUE(m_boxes.texts().contains(QStringLiteral("stok.stok Kodu <= 0 - SIFIR")));
    EXPECT_EQ(TestDatabase::count("stocks.stckdef"), 0);
}

TEST_F(StockEditorSaveTest, newProductTakesTheNextCodeAndLeavesTheFormForTheNext) {
    addGroup12(129);
    load();
    selectGroupA(12);
    stock::EditedProduct edited = stock::startNewProduct(m_context);
    EXPECT_EQ(edited.product.stcode, 1210);
    EXPECT_EQ(edited.groupNames[0], QStringLiteral("Sıcak İçecekler"));
    stock::StockEditorForm form = stock::formOf(edited, m_context);
    form.name = QStringLiteral("Sahlep");
    form.retail = QStringLiteral("45");
    form.gameStock = true;
    const stock::NewSaveResult result = stock::saveNew(m_editor, edited, form);
    EXPECT_TRUE(result.inserted);
    EXPECT_EQ(column("sellp1", 1210), "45.0000");
    EXPECT_EQ(column("game_stock", 1210), "1"); // a column the insert leaves out
    EXPECT_EQ(TestDatabase::query("SELECT red,green,blue,redfnt,greenfnt,bluefnt FROM "
                                  "stocks.colors WHERE stcode=1210;"),
              (TestDatabase::Rows{{"0", "0", "0", "220", "220", "220"}}));
    EXPECT_EQ(edited.product.stcode, 1211);
    EXPECT_EQ(edited.product.gra, 12);
    EXPECT_EQ(edited.groupNames[0], QStringLiteral("Sıcak İçecekler"));
    EXPECT_TRUE(edited.product.stname.isEmpty());
    EXPECT_TRUE(edited.isNew);
}

// "Hepsi" lists every Group B whatever Group A is picked (or none): a Group
// B picked there brings its Group A, and with it the code series.
TEST_F(StockEditorSaveTest, aNewProductFromAGroupBTakesItsGroupAAndSeries) {
    addGroup12(121);
    test::addGroupA(13, "Tatlılar");
    test::addGroupB(12, 1201, "Çaylar");
    load();
    selectGroupA(13); // picked before "Hepsi"
    for (groups::GroupB& group : m_catalog.groups().screenB())
        group.selected = group.bcode == 1201;
    stock::EditedProduct edited = stock::startNewProduct(m_context);
    EXPECT_EQ(edited.product.gra, 12);
    EXPECT_EQ(edited.product.grb, 1201);
    EXPECT_EQ(edited.product.stcode, 122);
    stock::StockEditorForm form = stock::formOf(edited, m_context);
    form.name = QStringLiteral("Ada Çayı");
    EXPECT_TRUE(stock::saveNew(m_editor, edited, form).inserted);
    EXPECT_EQ(TestDatabase::query("SELECT gra,grb FROM stocks.stckdef WHERE stcode=122;"),
              (TestDatabase::Rows{{"12", "1201"}}));
}

TEST_F(StockEditorSaveTest, codesOfDeletedProductsAndOfLeftoverRowsAreSkipped) {
    addGroup12(122);
    TestDatabase::exec("INSERT INTO stocks.stckdef_old(stcode,stname,gra) VALUES(123,'Eski',12);"
                       // "Sil" left these behind for 124, 125 and 126.
                       "INSERT INTO stocks.colors(stcode,red,green,blue,redfnt,greenfnt,bluefnt) "
                       "VALUES(124,255,0,0,0,0,0);"
                       "INSERT INTO stocks.indirim_tablosu(carikod,stcode,peraken,yuzde) "
                       "VALUES(1013,125,10,10);"
                       "INSERT INTO stocks.receipts(urun,ingredient,qua) VALUES(126,121,1);");
    load();
    selectGroupA(12);
    EXPECT_EQ(stock::startNewProduct(m_context).product.stcode, 127);
}

TEST_F(StockEditorSaveTest, onlyBarcodesLongerThanThreeAreCheckedForDuplicates) {
    addGroup12(121);
    TestDatabase::exec("UPDATE stocks.stckdef SET barcode='123' WHERE stcode=121;"
                       "INSERT INTO stocks.stckdef(stcode,stname,gra,barcode) "
                       "VALUES(130,'Türk Kahvesi',12,'8690001');");
    load();
    selectGroupA(12);
    stock::EditedProduct edited = stock::startNewProduct(m_context);
    stock::StockEditorForm form = stock::formOf(edited, m_context);
    form.name = QStringLiteral("Oralet");
    form.barcode = QStringLiteral("8690001");
    const stock::NewSaveResult stopped = stock::saveNew(m_editor, edited, form);
    EXPECT_TRUE(stopped.stopped);
    EXPECT_FALSE(stopped.inserted);
    EXPECT_EQ(stopped.status, QStringLiteral("Bu barkod kayıtlı: 130 - Türk Kahvesi"));
    EXPECT_TRUE(issued("INSERT INTO stckdef").empty());
    EXPECT_TRUE(m_boxes.shown().empty());

    m_journal.clear();
    form.barcode = QStringLiteral("123");
    const stock::NewSaveResult saved = stock::saveNew(m_editor, edited, form);
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
    stock::EditedProduct edited = edit(125);
    ASSERT_TRUE(stock::renewCode(m_editor, edited));
    EXPECT_EQ(edited.product.stcode, 127);
    EXPECT_EQ(column("stname", 127), "Ürün 125");
    EXPECT_EQ(TestDatabase::scalar("SELECT COUNT(*) FROM stocks.stckdef WHERE stcode=125;"), "0");
    EXPECT_EQ(TestDatabase::scalar("SELECT stcode FROM stocks.colors;"), "127");
}

TEST_F(StockEditorSaveTest, finishedSeriesMovesASavedProductAndOnlyNumbersANewOne) {
    addGroup12(121);
    test::addProduct({3331, "Mamül 1", 12});
    TestDatabase::exec("INSERT INTO stocks.stckdef_old(stcode,stname,gra) VALUES(3332,'Eski',12);");
    load();
    stock::EditedProduct edited = edit(121);
    ASSERT_TRUE(stock::renewFinishedCode(m_editor, edited));
    EXPECT_EQ(edited.product.stcode, 3333);
    EXPECT_EQ(column("stname", 3333), "Ürün 121");

    selectGroupA(12);
    stock::EditedProduct fresh = stock::startNewProduct(m_context);
    m_journal.clear();
    ASSERT_TRUE(stock::renewFinishedCode(m_editor, fresh));
    EXPECT_EQ(fresh.product.stcode, 3334);
    EXPECT_TRUE(issued("UPDATE").empty());
}
