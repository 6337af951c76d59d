#include "DatabaseTest.h"
#include "LabelJobs.h"
#include "ModalDriver.h"
#include "PrintQString.h"
#include "TestSettings.h"
#include "db/DbConnection.h"
#include "db/StatementRunner.h"
#include "labels/LabelFieldText.h"
#include "labels/LabelPrintDialog.h"
#include "labels/LabelPrinter.h"
#include "labels/PrintSpooler.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QTcpServer>
#include <QTest>
#include <QTreeWidget>

using namespace parvela;
using namespace std::chrono_literals;
using test::TestDatabase;

namespace {

// The label printer of the program on the test spooler, whose raw queue
// ETIKET hands each job to the listener.
class LabelPrintTest : public test::DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        m_jobs.clear();
    }

    stock::StockDefinition product(const char* barcode) const {
        stock::StockDefinition p;
        p.stcode = 15;
        p.stname = QStringLiteral("ŞİŞ KÖFTE");
        p.unit = "kg";
        p.sellp1 = 12.5;
        p.barcode = barcode;
        return p;
    }

    // Opens the dialog as the editor does and lets `act` work it.
    void inDialog(const stock::StockDefinition& shown,
                  const std::function<void(labels::LabelPrintDialog&)>& act) {
        test::ModalDriver driver([&](QDialog& dialog) {
            act(static_cast<labels::LabelPrintDialog&>(dialog));
            dialog.reject();
        });
        labels::LabelPrintDialog::open(m_printer, shown, m_boxes, nullptr);
        ASSERT_TRUE(driver.seen);
    }

    static void click(QDialog& dialog, const char* id) {
        dialog.findChild<QAbstractButton*>(QString::fromLatin1(id))->click();
    }
    static void type(QDialog& dialog, const char* id, const QString& text) {
        dialog.findChild<QLineEdit*>(QString::fromLatin1(id))->setText(text);
    }
    static QString shown(QDialog& dialog, const char* id) {
        if (auto* edit = dialog.findChild<QLineEdit*>(QString::fromLatin1(id)))
            return edit->text();
        return dialog.findChild<QLabel*>(QString::fromLatin1(id))->text();
    }
    static void pickPrinter(QDialog& dialog, const QString& name) {
        auto* list = dialog.findChild<QTreeWidget*>(QStringLiteral("1233"));
        const QList<QTreeWidgetItem*> rows = list->findItems(name, Qt::MatchExactly, 1);
        ASSERT_EQ(rows.size(), 1);
        list->setCurrentItem(rows.first());
    }

    test::TestSettings m_settings;
    db::DbConnection m_connection{m_settings};
    db::StatementRunner m_runner{m_connection, m_boxes};
    test::LabelJobs m_jobs;
    labels::PrintSpooler m_spooler{test::LabelJobs::printServer()};
    labels::LabelPrinter m_printer{m_runner, m_spooler, m_boxes};
};

// The seeded layout with the name moved to 30,8 and 1.5 kg typed.
const std::string kWeighedLabel = "N\r\n"
                                  "A30,8,0,2,1,1,N,\"sis KoFTE\"\r\n"
                                  "B100,26,0,E30,2,4,150,B,\"270001501500\"\r\n"
                                  "A20,222,0,1,1,1,N,\"PKT:1.1.2025\"\r\n"
                                  "A210,222,0,1,1,1,N,\"SKT:4.1.2025\"\r\n"
                                  "A250,200,0,1,1,1,N,\"\"\r\n"
                                  "A20,200,0,2,1,1,N,\"12.50 TL  1.000 kg\"\r\n"
                                  "P1\r\n";

} // namespace

TEST_F(LabelPrintTest, okSavesTheLayoutAndPrintsTheWeighedLabelTheFieldsShow) {
    inDialog(product("2700015"), [&](labels::LabelPrintDialog& dialog) {
        EXPECT_EQ(shown(dialog, "1059"), QStringLiteral("ŞİŞ KÖFTE"));
        EXPECT_EQ(shown(dialog, "1110"), QStringLiteral("2700015"));
        EXPECT_EQ(shown(dialog, "1122"), QStringLiteral("150"));
        EXPECT_EQ(shown(dialog, "1218"), QStringLiteral("1"));
        pickPrinter(dialog, QStringLiteral("ETIKET"));
        EXPECT_EQ(shown(dialog, "1248"), QStringLiteral("ETIKET"));
        type(dialog, "1111", QStringLiteral("30"));
        type(dialog, "1114", QStringLiteral("8"));
        type(dialog, "1142", QStringLiteral("1,5"));
        EXPECT_FALSE(dialog.preview().isNull());
        click(dialog, "1");
        dialog.grab().save(QStringLiteral("label-dialog.png"));
    });
    const std::vector<std::string> jobs = m_jobs.waitFor(1, 10s);
    ASSERT_EQ(jobs.size(), 1U);
    EXPECT_EQ(jobs[0], kWeighedLabel);
    EXPECT_EQ(TestDatabase::scalar("SELECT CONCAT(stok_adi_xpo, ',', stok_adi_ypo) "
                                   "FROM barcode.print_settings"),
              "30,8");
    EXPECT_TRUE(m_boxes.shown().empty());

    // The printer chosen stays chosen; an ordinary EAN keeps its 13 digits
    // whatever weight is typed.
    inDialog(product("8690000000017"), [&](labels::LabelPrintDialog& dialog) {
        EXPECT_EQ(shown(dialog, "1248"), QStringLiteral("ETIKET"));
        EXPECT_EQ(shown(dialog, "1111"), QStringLiteral("30"));
        type(dialog, "1142", QStringLiteral("2"));
        type(dialog, "1218", QStringLiteral("3"));
        click(dialog, "1");
    });
    const std::vector<std::string> both = m_jobs.waitFor(2, 10s);
    ASSERT_EQ(both.size(), 2U);
    EXPECT_NE(both[1].find("B100,26,0,E30,2,4,150,B,\"8690000000017\"\r\n"), std::string::npos);
    EXPECT_TRUE(both[1].ends_with("P3\r\n"));
}

// Five digits carry the weight: what they cannot hold is refused before the
// layout is saved, and only the label of a weight that fits is printed.
TEST_F(LabelPrintTest, aWeightTheCodeCannotCarryIsRefusedAndNothingIsSavedOrPrinted) {
    const QStringList refused{QStringLiteral("150"), QStringLiteral("-1,5"), QStringLiteral("abc")};
    inDialog(product("2700015"), [&](labels::LabelPrintDialog& dialog) {
        pickPrinter(dialog, QStringLiteral("ETIKET"));
        type(dialog, "1111", QStringLiteral("30"));
        type(dialog, "1114", QStringLiteral("8"));
        for (const QString& weight : refused) {
            type(dialog, "1142", weight);
            click(dialog, "1");
        }
        EXPECT_EQ(TestDatabase::scalar("SELECT CONCAT(stok_adi_xpo, ',', stok_adi_ypo) "
                                       "FROM barcode.print_settings"),
                  "20,5");
        type(dialog, "1142", QStringLiteral("1,5"));
        click(dialog, "1");
    });
    ASSERT_EQ(m_boxes.shown().size(), static_cast<std::size_t>(refused.size()));
    for (qsizetype i = 0; i < refused.size(); ++i) {
        const platform::BoxRequest& box = m_boxes.shown()[static_cast<std::size_t>(i)];
        EXPECT_EQ(box.text, labels::weightRefusal(refused[i]));
        EXPECT_EQ(box.caption, labels::weightRefusalCaption());
        EXPECT_NE(box.owner, nullptr);
    }
    const std::vector<std::string> jobs = m_jobs.waitFor(1, 10s);
    ASSERT_EQ(jobs.size(), 1U);
    EXPECT_EQ(jobs[0], kWeighedLabel);
}

TEST_F(LabelPrintTest, nonNumericFieldsAreSavedAsZeroAndAnEmptyTableShowsTheDefaults) {
    TestDatabase::exec("DELETE FROM barcode.print_settings; DELETE FROM barcode.print_settings_x;");
    inDialog(product("2700015"), [&](labels::LabelPrintDialog& dialog) {
        EXPECT_EQ(shown(dialog, "1122"), QStringLiteral("150"));
        EXPECT_EQ(shown(dialog, "1226"), QStringLiteral("2"));
        EXPECT_EQ(shown(dialog, "1224"), QStringLiteral("2"));
        EXPECT_EQ(shown(dialog, "1218"), QStringLiteral("1"));
        click(dialog, "1"); // no printer chosen
    });
    EXPECT_EQ(m_boxes.texts(), QStringList{QStringLiteral("Yazici Secilmedi ya da yazici yok.!")});
    EXPECT_EQ(TestDatabase::count("barcode.print_settings"), 0);

    TestDatabase::reset();
    m_boxes.clear();
    inDialog(product("2700015"), [&](labels::LabelPrintDialog& dialog) {
        type(dialog, "1112", QStringLiteral("abc"));
        click(dialog, "1");
        EXPECT_EQ(shown(dialog, "1112"), QStringLiteral("0"));
    });
    EXPECT_EQ(TestDatabase::scalar("SELECT barc_xpo FROM barcode.print_settings"), "0");
}

TEST_F(LabelPrintTest, theSequentialBarcodesArriveAsOneJobPerLabel) {
    m_printer.choosePrinter(QStringLiteral("ETIKET"));
    m_printer.reloadLayout();
    int reported = 0;
    EXPECT_EQ(m_printer.printSequentialBarcodes([&reported](int done) { reported = done; }), 0);
    EXPECT_EQ(reported, labels::kSequentialLabels);
    const std::vector<std::string> jobs = m_jobs.waitFor(105, 90s);
    ASSERT_EQ(jobs.size(), 105U);
    EXPECT_EQ(jobs.front(), "N\r\nB100,26,0,E30,2,4,150,B,\"3000301200014\"\r\nP1\r\n");
    EXPECT_EQ(jobs.back(), "N\r\nB100,26,0,E30,2,4,150,B,\"3000301202094\"\r\nP1\r\n");
    for (const std::string& job : jobs)
        EXPECT_EQ(job.size(), jobs.front().size()) << job;
    EXPECT_TRUE(m_boxes.shown().empty());
}

// "İptal" after the third label: no fourth goes out, and no box is shown.
TEST_F(LabelPrintTest, aCancelledSequentialRunStopsBeforeTheNextLabel) {
    m_printer.choosePrinter(QStringLiteral("ETIKET"));
    int reported = 0;
    EXPECT_EQ(m_printer.printSequentialBarcodes([&reported](int done) { reported = done; },
                                                [&reported] { return reported == 3; }),
              labels::kSequentialLabels - 3);
    EXPECT_EQ(reported, 3);
    EXPECT_EQ(m_jobs.waitFor(4, 2s).size(), 3U);
    EXPECT_TRUE(m_boxes.shown().empty());
}

// A missing printer fails every label alike: it is told once, and a spooler
// that hangs costs one wait, not one a label.
TEST_F(LabelPrintTest, aSequentialRunWithoutAPrinterSaysSoOnceAndStops) {
    const QStringList noPrinter{QStringLiteral("Yazici Secilmedi ya da yazici yok.!")};
    inDialog(product("2700015"), [](labels::LabelPrintDialog& dialog) { click(dialog, "1163"); });
    EXPECT_EQ(m_boxes.texts(), noPrinter);

    QTcpServer silent;
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost));
    const labels::PrintSpooler hung(QStringLiteral("127.0.0.1:%1").arg(silent.serverPort()), 300ms);
    labels::LabelPrinter onHung(m_runner, hung, m_boxes);
    onHung.choosePrinter(QStringLiteral("ETIKET"));
    m_boxes.clear();
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(onHung.printSequentialBarcodes(), labels::kSequentialLabels);
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_EQ(m_boxes.texts(), noPrinter);

    // The printer goes away after the third label.
    m_printer.choosePrinter(QStringLiteral("ETIKET"));
    m_boxes.clear();
    int reported = 0;
    EXPECT_EQ(m_printer.printSequentialBarcodes([&](int done) {
        reported = done;
        if (done == 3)
            m_printer.choosePrinter(QStringLiteral("YOK"));
    }),
              labels::kSequentialLabels - 3);
    EXPECT_EQ(reported, 4);
    EXPECT_EQ(m_boxes.texts(), noPrinter);
    EXPECT_EQ(m_jobs.waitFor(4, 2s).size(), 3U);
}

// Both rows of the layout or neither: a refused second row takes the first
// back, with one box under its tag.
TEST_F(LabelPrintTest, aLayoutSaveRefusedHalfWayKeepsBothRows) {
    ASSERT_TRUE(m_printer.reloadLayout());
    const std::string both = "SELECT CONCAT(stok_adi_xpo, ',', stok_adi_ypo) FROM "
                             "barcode.print_settings UNION ALL SELECT COUNT(*) FROM "
                             "barcode.print_settings_x";
    const auto rows = [&both] {
        std::string all;
        for (const auto& row : TestDatabase::query(both))
            all += row[0] + " ";
        return all;
    };
    const std::string before = rows();
    m_printer.layout().nameX = 77;
    TestDatabase::exec("CREATE TRIGGER barcode.refuse_one BEFORE UPDATE ON "
                       "barcode.print_settings_x FOR EACH ROW SIGNAL SQLSTATE '45000' SET "
                       "MESSAGE_TEXT='refused';");
    m_printer.saveLayout();
    TestDatabase::exec("DROP TRIGGER barcode.refuse_one;");
    EXPECT_EQ(rows(), before);
    EXPECT_EQ(m_boxes.captions(), QStringList{QStringLiteral("UPDATE_BARCODE_SETTINGS_X")});
    EXPECT_NE(m_printer.layout().nameX, 77);
}
