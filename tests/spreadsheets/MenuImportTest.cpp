#include "spreadsheets/MenuImport.h"

#include "CatalogFixtures.h"
#include "HiddenTable.h"
#include "JournaledDatabaseTest.h"
#include "SheetFixtures.h"
#include "spreadsheets/MenuImportText.h"

#include <QTemporaryDir>
#include <chrono>
#include <latch>
#include <thread>

using namespace parvela;
using namespace parvela::spreadsheets;
using test::FixtureCell;
using test::TestDatabase;

namespace {

FixtureCell text(const char* value) {
    return QString::fromUtf8(value);
}

// The platform's columns: barcode, -, name, -, -, price, -, part number.
std::vector<FixtureCell> menuRow(FixtureCell barcode, FixtureCell name, FixtureCell price,
                                 FixtureCell partNumber = {}) {
    return {barcode, text("x"), name, {}, {}, price, {}, partNumber};
}

const std::vector<FixtureCell> kHeader = {text("Barkod"),   text("Kategori"), text("Ürün"),
                                          text("Açıklama"), text("-"),        text("Fiyat"),
                                          text("-"),        text("Parça No")};

// A numeric and a text barcode, a numeric and a comma price, an empty name.
test::FixtureSheet menuSheet() {
    return {QStringLiteral("Menü"),
            {kHeader, menuRow(8690000000017.0, text("Adana Kebap"), 185.5, text("P-1")),
             menuRow(text("8691234567895"), text("Şiş Köfte ğüıçö"), text("12,50")),
             menuRow({}, {}, text("7.25"))}};
}

// A trigger on the server for the length of a test; none for null.
class Trigger {
public:
    explicit Trigger(const char* create) {
        if (create != nullptr)
            TestDatabase::exec(create);
        m_made = create != nullptr;
    }
    ~Trigger() {
        if (m_made)
            TestDatabase::exec("DROP TRIGGER IF EXISTS stocks.no_7773;");
    }
    Trigger(const Trigger&) = delete;
    Trigger& operator=(const Trigger&) = delete;

private:
    bool m_made = false;
};

class MenuImportTest : public test::JournaledDatabaseTest {
protected:
    QString sheetFile(const char* name, const std::vector<test::FixtureSheet>& sheets,
                      bool xls = false) {
        const QString path = m_folder.filePath(QString::fromLatin1(name));
        if (xls)
            test::writeXlsFixture(path, sheets);
        else
            test::writeXlsxFixture(path, sheets);
        return path;
    }

    SheetPlan plan(const QString& path, int sheet = 0, bool hasHeader = true) {
        return planSheet(readWorkbook, path, sheet, hasHeader, m_runner, m_catalogue);
    }

    ImportResult import(const QString& path) {
        const SheetPlan planned = plan(path);
        EXPECT_EQ(planned.error, QString());
        return insertPlanned(planned.plan, m_runner);
    }

    static TestDatabase::Rows imported() {
        return TestDatabase::query(
            "SELECT stcode,type,kdv,unit,barcode,stname,sellp1,partnum,sku FROM stocks.stckdef "
            "WHERE stcode LIKE '777%' ORDER BY stcode");
    }

    QTemporaryDir m_folder;
    std::vector<stock::StockDefinition> m_catalogue;
};

} // namespace

TEST_F(MenuImportTest, rowsBecomeProductsOfThe777SeriesWithTheirBarcodesAndPrices) {
    const ImportResult result = import(sheetFile("menu.xlsx", {menuSheet()}));
    EXPECT_EQ(result.inserted, 3);
    EXPECT_EQ(result.refused, 0);
    const TestDatabase::Rows expected = {
        {"7771", "777", "20.00", "ad", "8690000000017", "Adana Kebap", "185.5000", "P-1",
         "869000007771"},
        {"7772", "777", "20.00", "ad", "8691234567895", "Şiş Köfte ğüıçö", "12.5000", "",
         "869123457772"},
        // The insert takes an empty name as it takes any other.
        {"7773", "777", "20.00", "ad", "", "", "7.2500", "", "7773"},
    };
    EXPECT_EQ(imported(), expected);
    const std::vector<std::string> texts = m_journal.texts();
    const std::string first =
        "INSERT INTO stckdef(stcode,type,gra,grb,grc,brnd,model,specs2,barcode,serial,partnum,"
        "stname,unit,curr,kdv,unitcost,sellp1,sellp2,sellp3,sellp4,sellp5,sellp6,crtqua,specs,"
        "depart,azparam,sku,prcchange,is_weighed)VALUES(7771,777,0,0,0,_latin5'','',_latin5'',"
        "'8690000000017','','P-1',_latin5'Adana Kebap','ad','',20.00,0.0000,185.5000,0.0000,"
        "0.0000,0.0000,0.0000,0.0000,0.0000,_latin5'',0,0.00,'869000007771',0,0);";
    // The three go to the server in one call.
    EXPECT_EQ(std::count_if(texts.begin(), texts.end(),
                            [&first](const std::string& t) {
                                return t.starts_with(first) &&
                                       t.find("VALUES(7773,") != std::string::npos;
                            }),
              1);
}

TEST_F(MenuImportTest, aSecondImportMakesASecondSetUnderTheNextFreeCodes) {
    test::addProduct({.stcode = 7772, .name = "Eski"});
    const QString path = sheetFile("menu.xls", {menuSheet()}, true);
    EXPECT_EQ(import(path).inserted, 3);
    EXPECT_EQ(import(path).inserted, 3);
    const TestDatabase::Rows codes =
        TestDatabase::query("SELECT stcode FROM stocks.stckdef WHERE stcode LIKE '777%' "
                            "AND stcode<>7772 ORDER BY stcode");
    const TestDatabase::Rows expected = {{"7771"}, {"7773"}, {"7774"},
                                         {"7775"}, {"7776"}, {"7777"}};
    EXPECT_EQ(codes, expected);
}

TEST_F(MenuImportTest, theHeaderFlagAndTheSheetPositionChooseTheRows) {
    const test::FixtureSheet second{
        QStringLiteral("Tatlılar"),
        {menuRow(text("111"), text("Künefe"), 90.0), menuRow(text("222"), text("Baklava"), 120.0)}};
    for (const bool xls : {false, true}) {
        const QString path = sheetFile(xls ? "two.xls" : "two.xlsx", {menuSheet(), second}, xls);
        const SheetPlan withHeader = plan(path, 1, true);
        ASSERT_EQ(withHeader.error, QString());
        EXPECT_EQ(withHeader.sheetNames, QStringList({QStringLiteral("Menü"), second.name}));
        ASSERT_EQ(withHeader.plan.products.size(), 1u);
        EXPECT_EQ(withHeader.plan.products[0].row.product.stname, QStringLiteral("Baklava"));
        EXPECT_EQ(withHeader.plan.products[0].row.sheetRow, 2);
        const SheetPlan noHeader = plan(path, 1, false);
        ASSERT_EQ(noHeader.plan.products.size(), 2u);
        EXPECT_EQ(noHeader.plan.products[0].row.product.stname, QStringLiteral("Künefe"));
        EXPECT_EQ(noHeader.plan.products[0].row.product.stcode, 7771);
        // Without a header the first sheet's header row is a product too.
        EXPECT_EQ(plan(path, 0, false).plan.products.size(), 4u);
    }
}

TEST_F(MenuImportTest, thePreviewNamesRepeatedAndKnownBarcodesAndWritesNothing) {
    stock::StockDefinition known;
    known.stcode = 5;
    known.barcode = "8690000000017";
    m_catalogue.push_back(known);
    const std::string longName(70, 'K');
    test::FixtureSheet sheet = menuSheet();
    sheet.rows.push_back(menuRow(text("8691234567895"), text(longName.c_str()), text("yok")));
    const SheetPlan planned = plan(sheetFile("dup.xlsx", {sheet}));
    ASSERT_EQ(planned.plan.products.size(), 4u);
    EXPECT_TRUE(planned.plan.products[0].barcodeInCatalogue);
    EXPECT_TRUE(planned.plan.products[1].barcodeRepeated);
    EXPECT_TRUE(planned.plan.products[3].barcodeRepeated);
    EXPECT_EQ(planned.plan.products[3].row.product.stname.size(), 59);
    EXPECT_EQ(planTotalsText(planned.plan),
              QStringLiteral("4 ürün eklenecek. 1 barkodu katalogda olan satır. 2 barkodu tabloda "
                             "tekrarlanan satır. 1 adı boş satır. 1 adı kısalacak satır. 1 fiyatı "
                             "okunamayan satır."));
    EXPECT_EQ(warningsOf(planned.plan.products[3]),
              QStringLiteral("barkod tabloda tekrarlanıyor, adı 59 harfe kısalacak, fiyat "
                             "okunamadı, 0 olacak"));
    EXPECT_TRUE(previewText(planned.plan)
                    .startsWith(QStringLiteral("Satır\tKod\tBarkod\tFiyat\tAd\n"
                                               "2\t7771\t8690000000017\t185.50\tAdana Kebap\t"
                                               "(barkod katalogda var)\n")));
    EXPECT_EQ(imported(), TestDatabase::Rows());
}

TEST_F(MenuImportTest, aPriceWithADotBeforeThreeDigitsIsThousandsAndMarkedAsIsANegativeOne) {
    const test::FixtureSheet sheet{QStringLiteral("Menü"),
                                   {kHeader, menuRow({}, text("Kuzu Tandır"), text("1.250")),
                                    menuRow({}, text("Ayran"), text("12.50")),
                                    menuRow({}, text("İade"), -5.0),
                                    menuRow({}, text("Künefe"), text("1.250,00"))}};
    const SheetPlan planned = plan(sheetFile("prices.xlsx", {sheet}));
    ASSERT_EQ(planned.plan.products.size(), 4u);
    const struct {
        double price;
        const char* warnings;
    } expected[] = {
        {1250, "fiyattaki nokta binlik sayıldı, bakınız"},
        {12.5, ""},
        {-5, "fiyat eksi, bakınız"},
        {1250, ""},
    };
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const PlannedProduct& product = planned.plan.products[i];
        EXPECT_EQ(product.row.product.sellp1, expected[i].price) << i;
        EXPECT_EQ(warningsOf(product), QString::fromUtf8(expected[i].warnings)) << i;
    }
    EXPECT_EQ(planTotalsText(planned.plan),
              QStringLiteral("4 ürün eklenecek. 2 fiyatına bakılacak satır."));
}

TEST_F(MenuImportTest, missingOrBrokenFilesAreToldWithTheirNameAndInsertNothing) {
    QFile broken(m_folder.filePath(QStringLiteral("bozuk.xlsx")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("PK\x03\x04 not really a workbook");
    broken.close();
    for (const QString& path : {m_folder.filePath(QStringLiteral("yok.xlsx")), broken.fileName()}) {
        const SheetPlan planned = plan(path);
        EXPECT_TRUE(planned.error.contains(QFileInfo(path).fileName()))
            << planned.error.toStdString();
        EXPECT_TRUE(planned.plan.products.empty());
    }
    EXPECT_EQ(imported(), TestDatabase::Rows());
}

TEST_F(MenuImportTest, aCancelOrAFailureHalfWayLeavesNothingAndSaysSo) {
    const SheetPlan planned = plan(sheetFile("menu.xlsx", {menuSheet()}));
    const struct {
        const char* name;
        bool cancel;
        const char* trigger; // makes the server refuse the third row's insert
        const char* told;
    } cases[] = {
        {"cancelled", true, nullptr,
         "0 ürün eklendi.\nİçe aktarma iptal edildi: 3 satırın hiçbiri eklenmedi."},
        {"third insert refused", false,
         "CREATE TRIGGER stocks.no_7773 BEFORE INSERT ON stocks.stckdef FOR EACH ROW "
         "IF NEW.stcode=7773 THEN SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT='yeri yok'; END IF",
         "0 ürün eklendi.\nİçe aktarma geri alındı, 3 satırın hiçbiri eklenmedi: "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TestDatabase::reset();
        ImportResult result;
        {
            const Trigger trigger(c.trigger);
            result = insertPlanned(planned.plan, m_runner, [&c](int) { return !c.cancel; });
        }
        EXPECT_EQ(result.inserted, 0);
        EXPECT_EQ(result.notTried, 3);
        EXPECT_EQ(result.cancelled, c.cancel);
        EXPECT_TRUE(resultText(result).startsWith(QString::fromUtf8(c.told)))
            << resultText(result).toStdString();
        EXPECT_EQ(c.cancel, result.failure.isEmpty()) << result.failure.toStdString();
        EXPECT_TRUE(m_boxes.shown().empty()) << "the reasons go to the closing box";
        EXPECT_EQ(imported(), TestDatabase::Rows());
        // Nothing of it stays behind, the code lock included.
        EXPECT_EQ(insertPlanned(planned.plan, m_runner).inserted, 3);
    }
}

// Two stations import the same sheet at once: each goes in whole, under
// codes of its own.
TEST_F(MenuImportTest, twoImportsAtOnceDrawDistinctCodes) {
    constexpr int kRows = 450; // more than one INSERT call each
    std::vector<ImportRow> rows(kRows);
    for (int i = 0; i < kRows; ++i) {
        rows[static_cast<std::size_t>(i)].sheetRow = i + 2;
        rows[static_cast<std::size_t>(i)].product.stname = QStringLiteral("Ürün %1").arg(i);
    }
    const ImportPlan plan = planImport(std::move(rows), {}, {}, {});
    std::latch start(2);
    ImportResult results[2];
    std::vector<std::thread> stations;
    for (ImportResult& result : results)
        stations.emplace_back([&] {
            start.arrive_and_wait();
            result = insertPlanned(plan, m_runner);
        });
    for (std::thread& station : stations)
        station.join();
    EXPECT_EQ(results[0].inserted, kRows) << results[0].failure.toStdString();
    EXPECT_EQ(results[1].inserted, kRows) << results[1].failure.toStdString();
    EXPECT_NE(results[0].codesMoved, results[1].codesMoved) << "the later one drew again";
    EXPECT_EQ(TestDatabase::scalar("SELECT COUNT(DISTINCT stcode) FROM stocks.stckdef WHERE "
                                   "stcode LIKE '777%'"),
              std::to_string(2 * kRows));
    EXPECT_EQ(TestDatabase::scalar("SELECT COUNT(*) FROM stocks.stckdef WHERE stname='Ürün 0'"),
              "2");
}

// Each row's code search goes on where the last one stopped: a series
// already long costs one walk, not one per row.
TEST(MenuImportPlan, codesFollowAfterALongTakenSeriesInOneWalk) {
    constexpr long long kTaken = 100000;
    stock::CodeSet taken;
    for (long long counter = 1; counter <= kTaken; ++counter)
        taken.insert(stock::composeCode(kImportPrefix, counter));
    const stock::CodeSet retired{stock::composeCode(kImportPrefix, kTaken + 2)};
    const auto started = std::chrono::steady_clock::now();
    const ImportPlan plan =
        planImport(std::vector<ImportRow>(static_cast<std::size_t>(kTaken)), taken, retired, {});
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(60));
    ASSERT_EQ(plan.products.size(), static_cast<std::size_t>(kTaken));
    EXPECT_EQ(plan.products[0].row.product.stcode, stock::composeCode(kImportPrefix, kTaken + 1));
    EXPECT_EQ(plan.products[1].row.product.stcode, stock::composeCode(kImportPrefix, kTaken + 3));
    EXPECT_EQ(plan.products.back().row.product.stcode,
              stock::composeCode(kImportPrefix, 2 * kTaken + 1));
}

// Some programs write each text into its cell instead of a shared list; the
// sheet must plan as the other writers' do, not as nameless products at 0.
TEST_F(MenuImportTest, theThreeWritersSheetsPlanTheSameProducts) {
    using Writer = void (*)(const QString&, const std::vector<test::FixtureSheet>&);
    const std::pair<const char*, Writer> writers[] = {
        {"menu.xls", test::writeXlsFixture},
        {"menu.xlsx", test::writeXlsxFixture},
        {"satir-ici.xlsx",
         [](const QString& path, const std::vector<test::FixtureSheet>& sheets) {
             test::writeInlineXlsxFixture(path, sheets);
         }},
    };
    for (const auto& [name, write] : writers) {
        const QString path = m_folder.filePath(QString::fromLatin1(name));
        write(path, {menuSheet()});
        const SheetPlan planned = plan(path);
        ASSERT_EQ(planned.error, QString()) << name;
        ASSERT_EQ(planned.plan.products.size(), 3u) << name;
        const auto& products = planned.plan.products;
        EXPECT_EQ(products[0].row.product.stname, QStringLiteral("Adana Kebap")) << name;
        EXPECT_EQ(products[1].row.product.barcode, "8691234567895") << name;
        EXPECT_EQ(products[1].row.product.stname, QStringLiteral("Şiş Köfte ğüıçö")) << name;
        EXPECT_EQ(products[1].row.product.sellp1, 12.5) << name;
        EXPECT_EQ(products[2].row.product.sellp1, 7.25) << name;
        EXPECT_EQ(planned.plan.marked, 1) << name << ": the row without a name";
    }
}

// Each value the preview cannot take as it stands is marked with what it
// is, and counted; a row without one is not marked.
TEST_F(MenuImportTest, everyValueToLookAtIsMarkedAndCounted) {
    using test::FormattedNumber;
    const FormattedNumber date{45730, "dd.mm.yyyy"};
    const struct {
        std::vector<FixtureCell> row;
        const char* warnings;
    } cases[] = {
        {menuRow(text("8690000000017"), text("Ayran"), 35.0), ""},
        {menuRow(date, text("Ayran"), 35.0), "barkod yerine \"2025-03-14\" var, bakınız"},
        {menuRow({}, text("Ayran"), date), "fiyat yerine \"2025-03-14\" var, bakınız"},
        {menuRow({}, text("Ayran"), 1e300), "fiyat 1000000,00 TL sınırını aşıyor, eklenmeyecek"},
        {menuRow({}, text("Ayran"), -1e7),
         "fiyat eksi, bakınız, fiyat 1000000,00 TL sınırını aşıyor, eklenmeyecek"},
        {menuRow({}, text("Adana\r\nKebap"), 35.0),
         "adında satır sonu ya da görünmeyen karakter var"},
        {menuRow({}, {}, text("yok")), "adı boş, fiyat okunamadı, 0 olacak"},
    };
    test::FixtureSheet sheet{QStringLiteral("Menü"), {kHeader}};
    for (const auto& c : cases)
        sheet.rows.push_back(c.row);
    for (const bool xls : {false, true}) {
        const SheetPlan planned = plan(sheetFile(xls ? "bak.xls" : "bak.xlsx", {sheet}, xls));
        ASSERT_EQ(planned.plan.products.size(), std::size(cases));
        for (std::size_t i = 0; i < std::size(cases); ++i) {
            const PlannedProduct& product = planned.plan.products[i];
            EXPECT_EQ(warningsOf(product), QString::fromUtf8(cases[i].warnings)) << xls << i;
            EXPECT_EQ(isMarked(product), i > 0) << xls << i;
        }
        EXPECT_EQ(planned.plan.marked, 6) << xls;
        EXPECT_TRUE(previewText(planned.plan).contains(QStringLiteral("\tAdana␍␊Kebap\t(")))
            << xls << ": one line a row";
        EXPECT_EQ(planTotalsText(planned.plan),
                  QStringLiteral("7 ürün eklenecek. 1 adı boş satır. 1 adına bakılacak satır. 1 "
                                 "fiyatı okunamayan satır. 3 fiyatına bakılacak satır. 1 "
                                 "barkoduna bakılacak satır."))
            << xls;
    }
}

// A price past the bound never reaches the server; the rows around it do.
TEST_F(MenuImportTest, aPricePastTheBoundIsRefusedOnInsert) {
    const test::FixtureSheet sheet{QStringLiteral("Menü"),
                                   {kHeader, menuRow({}, text("Ayran"), 35.0),
                                    menuRow({}, text("Bozuk"), 1e300),
                                    menuRow({}, text("Kola"), kImportMaxPrice)}};
    const SheetPlan planned = plan(sheetFile("fiyat.xlsx", {sheet}));
    m_journal.clear();
    const ImportResult result = insertPlanned(planned.plan, m_runner);
    EXPECT_EQ(result.inserted, 2);
    EXPECT_EQ(result.refused, 1);
    EXPECT_EQ(result.reasons, QStringList{QStringLiteral(
                                  "Satır 3: fiyatı (1e+300) 1000000,00 TL sınırını aşıyor")});
    const TestDatabase::Rows expected = {{"7771", "Ayran", "35.0000"},
                                         {"7773", "Kola", "1000000.0000"}};
    EXPECT_EQ(TestDatabase::query("SELECT stcode,stname,sellp1 FROM stocks.stckdef WHERE stcode "
                                  "LIKE '777%' ORDER BY stcode"),
              expected);
    for (const std::string& statement : m_journal.texts())
        EXPECT_EQ(statement.find("7772"), std::string::npos) << statement;
}

// Marked rows go in only when the user says so; "Hayır" is the default.
TEST_F(MenuImportTest, markedRowsAreAskedAboutWithNoAsTheDefault) {
    const SheetPlan marked = plan(sheetFile("menu.xlsx", {menuSheet()}));
    ASSERT_EQ(marked.plan.marked, 1);
    EXPECT_FALSE(confirmMarked(marked.plan, m_boxes, nullptr));
    ASSERT_EQ(m_boxes.shown().size(), 1u);
    const platform::BoxRequest& box = m_boxes.shown().front();
    EXPECT_EQ(box.text, markedQuestionText(1));
    EXPECT_TRUE(box.text.startsWith(QStringLiteral("Önizlemede işaretli 1 satır var")));
    EXPECT_EQ(box.buttons, platform::BoxButtons::YesNo);
    EXPECT_EQ(box.defaultAnswer, platform::BoxAnswer::No);
    m_boxes.queueAnswer(platform::BoxAnswer::Yes);
    EXPECT_TRUE(confirmMarked(marked.plan, m_boxes, nullptr));
    m_boxes.clear();
    test::FixtureSheet clean = menuSheet();
    clean.rows.pop_back();
    EXPECT_TRUE(confirmMarked(plan(sheetFile("temiz.xlsx", {clean})).plan, m_boxes, nullptr));
    EXPECT_TRUE(m_boxes.shown().empty());
}
