#include "CatalogFixtures.h"
#include "DatabaseTest.h"
#include "HiddenTable.h"
#include "LabelJobs.h"
#include "ModalDriver.h"
#include "PrintQString.h"
#include "ProgramRun.h"
#include "RecordingListener.h"
#include "SheetFixtures.h"
#include "TestSettings.h"
#include "UserFixtures.h"
#include "app/BatchCommands.h"
#include "app/CatalogData.h"
#include "app/CatalogueGate.h"
#include "app/CostReportOpener.h"
#include "app/StartupLoad.h"
#include "db/DbConnection.h"
#include "db/StatementJournal.h"
#include "db/Transaction.h"
#include "labels/LabelFieldText.h"
#include "platform/Settings.h"
#include "publishing/PublishLock.h"
#include "spreadsheets/Workbook.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <functional>

using namespace parvela;
using test::Finished;
using test::runProgram;
using test::setDefaults;
using test::TestDatabase;

namespace {

QStringList costReport(const QString& user, const QString& password, const QString& code) {
    return {QStringLiteral("cost-report"),
            QStringLiteral("--stcode"),
            code,
            QStringLiteral("--user"),
            user,
            QStringLiteral("--password"),
            password};
}

// Pilav (1) is 2 × Sos (2); Sos is 3 × Domates (3). The server holds 99 for
// Pilav, which the start-up's one-pass roll-up (2 × 5) hides in memory.
class CostReportTest : public test::DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        test::addUser(1, "1001", "4826", true, true, false);
        test::addUser(2, "2001", "1111", true, false, false);
        test::addProduct({.stcode = 1, .name = "Pilav", .unitcost = 99});
        test::addProduct({.stcode = 2, .name = "Sos", .unitcost = 5});
        test::addProduct({.stcode = 3, .name = "Domates", .unitcost = 2});
        test::addRecipeLine(1, 2, 2);
        test::addRecipeLine(2, 3, 3);
    }
};

const QString kStaleList = QStringLiteral("Maliyeti güncel olmayan ürünler (fark > 0.005): 2\n"
                                          "Kod  Adı    Kayıtlı     Tam     Fark\n"
                                          "  1  Pilav   99.000  12.000  -87.000\n"
                                          "  2  Sos      5.000   6.000    1.000\n");

const QString kPilavReport =
    QStringLiteral("Maliyet Raporu: 1 Pilav\n"
                   "Kayıtlı maliyet    : 99.000\n"
                   "Tek geçiş maliyeti : 10.000\n"
                   "Tam maliyet        : 12.000\n"
                   "\n"
                   "Kod  Adı  Miktar  Br. Kayıtlı  Tek Geçiş  Br. Tam     Tam\n"
                   "  2  Sos       2        5.000     10.000    6.000  12.000\n"
                   "\n") +
    kStaleList;

} // namespace

TEST_F(CostReportTest, theRightLoginPrintsTheReport) {
    const Finished run = runProgram(costReport("1001", "4826", "1"));
    EXPECT_EQ(run.exitCode, app::kBatchDone);
    EXPECT_EQ(run.out.toStdString(), kPilavReport.toStdString());
    EXPECT_EQ(run.err.toStdString(), "");
    // It only reads.
    EXPECT_EQ(TestDatabase::scalar("SELECT unitcost FROM stocks.stckdef WHERE stcode=1"),
              "99.0000");
}

TEST_F(CostReportTest, aRefusedLoginEndsWithTheLoginBoxOnStandardError) {
    Finished run = runProgram(costReport("1001", "9999", "1"));
    EXPECT_EQ(run.exitCode, app::kBatchLoginRefused);
    EXPECT_EQ(run.err, QStringLiteral("MODÜL YETKİ SERVİSİ: Bu modülü kullanıcı aktif degil.\n"));
    EXPECT_EQ(run.out, QString());
    run = runProgram(costReport("2001", "1111", "1"));
    EXPECT_EQ(run.exitCode, app::kBatchLoginRefused);
    EXPECT_EQ(run.err,
              QStringLiteral("MODÜL YETKİ SERVİSİ: Bu modülü kullanmaya yetkili değilsiniz.\n"));
}

// Refused or not, a login that never reached the server is no refusal: the
// run names the server and fails.
TEST_F(CostReportTest, anUnreachableServerIsNamedAndFailsTheRun) {
    setDefaults({{"Server/ipno", QStringLiteral("127.0.0.7")}});
    const Finished run = runProgram(costReport("1001", "4826", "1"));
    setDefaults({{"Server/ipno", test::serverHost()}});
    EXPECT_EQ(run.exitCode, app::kBatchFailed);
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("if_User_URUN_YONETIR: ")))
        << run.err.toStdString();
    EXPECT_TRUE(run.err.endsWith(
        QStringLiteral("MODÜL YETKİ SERVİSİ: Veritabanı sunucusuna ulaşılamadı: 127.0.0.7\n")))
        << run.err.toStdString();
    EXPECT_FALSE(run.err.contains(app::kUserNotActive));
    EXPECT_EQ(run.out, QString());
}

TEST_F(CostReportTest, anUnknownProductFails) {
    const Finished run = runProgram(costReport("1001", "4826", "999"));
    EXPECT_EQ(run.exitCode, app::kBatchFailed);
    EXPECT_EQ(run.err, QStringLiteral("MALİYET RAPORU: 999 kodlu ürün bulunamadı.\n"));
    EXPECT_EQ(run.out, QString());
}

TEST_F(CostReportTest, theLoginMayComeFromTheSettingsAndTheStaleListAlone) {
    platform::Settings defaults;
    defaults.setValue(QStringLiteral("Batch/user"), QStringLiteral("1001"));
    defaults.setValue(QStringLiteral("Batch/password"), QStringLiteral("4826"));
    defaults.sync();
    const Finished run = runProgram({QStringLiteral("cost-report"), QStringLiteral("--stale")});
    defaults.setValue(QStringLiteral("Batch/user"), QString());
    defaults.setValue(QStringLiteral("Batch/password"), QString());
    defaults.sync();
    EXPECT_EQ(run.exitCode, app::kBatchDone);
    EXPECT_EQ(run.out.toStdString(), kStaleList.toStdString());
    EXPECT_EQ(run.err.toStdString(), "");
}

TEST_F(CostReportTest, aFailedReadFailsTheRunWithItsBox) {
    TestDatabase::exec("RENAME TABLE stocks.receipts TO stocks.receipts_away;");
    const Finished run = runProgram(costReport("1001", "4826", "1"));
    TestDatabase::exec("RENAME TABLE stocks.receipts_away TO stocks.receipts;");
    EXPECT_EQ(run.exitCode, app::kBatchFailed);
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("READ_RECETELER: "))) << run.err.toStdString();
    EXPECT_EQ(run.out, QString());
}

TEST_F(CostReportTest, usageMistakesAreRefusedBeforeTheLogin) {
    // No login is given: a refused login would end in 1.
    const Finished bare = runProgram({QStringLiteral("cost-report")});
    EXPECT_EQ(bare.exitCode, app::kBatchUsage);
    EXPECT_EQ(bare.err.toStdString(), "cost-report needs either --stcode N or --stale\n");
    EXPECT_EQ(runProgram({QStringLiteral("cost-report"), QStringLiteral("--stcode"),
                          QStringLiteral("12,5")})
                  .exitCode,
              app::kBatchUsage);
    EXPECT_EQ(runProgram({QStringLiteral("cost-report"), QStringLiteral("--bogus")}).exitCode,
              app::kBatchUsage);
    const Finished unknown = runProgram({QStringLiteral("no-such-verb")});
    EXPECT_EQ(unknown.exitCode, app::kBatchUsage);
    EXPECT_EQ(unknown.err.toStdString(),
              "Unknown command \"no-such-verb\"; the commands are: cost-report, plu, label, "
              "label-preview, publish, menu, price-list, import, export, lint, undo\n");
}

// The recipe dialog's button, on the lists the start-up loaded.
TEST_F(CostReportTest, theWindowShowsTheCostTheServerHolds) {
    test::TestSettings settings;
    app::CatalogData catalog(settings, m_boxes);
    app::loadSharedLists(catalog);
    db::StatementJournal journal;
    catalog.runner().setJournal(&journal);
    const app::CostReportOpen open = app::costReportOpener(catalog, m_boxes);
    QString stored;
    QString full;
    test::ModalDriver driver([&](QDialog& dialog) {
        stored = dialog.findChild<QLabel*>(QStringLiteral("storedCost"))->text();
        full = dialog.findChild<QLabel*>(QStringLiteral("fullCost"))->text();
        dialog.findChild<QAbstractButton*>(QStringLiteral("close"))->click();
    });
    stock::StockDefinition pilav;
    pilav.stcode = 1;
    open(pilav, nullptr);
    EXPECT_TRUE(driver.seen);
    EXPECT_EQ(stored, QStringLiteral("99.000"));
    EXPECT_EQ(full, QStringLiteral("12.000"));
    EXPECT_EQ(journal.texts(), std::vector<std::string>{"SELECT stcode,unitcost FROM stckdef;"});
    EXPECT_TRUE(m_boxes.shown().empty());
}

// Domates goes from 2 to 2,50: the save reaches Sos, which uses it, and
// leaves Pilav two levels up at its old cost until the stale costs are mended,
// from the report's window or by the verb.
TEST_F(CostReportTest, mendingStaleCostsWritesTheFullCostTwoLevelsUp) {
    const auto byWindow = [this] {
        test::TestSettings settings;
        app::CatalogData catalog(settings, m_boxes);
        app::loadSharedLists(catalog);
        const app::CostReportOpen open = app::costReportOpener(catalog, m_boxes);
        QString stored;
        int staleLeft = -1;
        test::ModalDriver driver([&](QDialog& dialog) {
            dialog.findChild<QAbstractButton*>(QStringLiteral("fixStale"))->click();
            stored = dialog.findChild<QLabel*>(QStringLiteral("storedCost"))->text();
            staleLeft =
                dialog.findChild<QTreeWidget*>(QStringLiteral("staleCosts"))->topLevelItemCount();
            dialog.findChild<QAbstractButton*>(QStringLiteral("close"))->click();
        });
        stock::StockDefinition pilav;
        pilav.stcode = 1;
        open(pilav, nullptr);
        EXPECT_TRUE(driver.seen);
        EXPECT_EQ(stored, QStringLiteral("15.000"));
        EXPECT_EQ(staleLeft, 0);
        EXPECT_EQ(m_boxes.texts(), QStringList{QStringLiteral("1 ürünün maliyeti güncellendi.")});
    };
    const auto byVerb = [] {
        const Finished run = runProgram(
            {QStringLiteral("cost-report"), QStringLiteral("--fix-stale"), QStringLiteral("--user"),
             QStringLiteral("1001"), QStringLiteral("--password"), QStringLiteral("4826")});
        EXPECT_EQ(run.exitCode, app::kBatchDone) << run.err.toStdString();
        EXPECT_TRUE(run.out.startsWith(
            QStringLiteral("Maliyeti güncel olmayan ürünler (fark > 0.005): 1\n")))
            << run.out.toStdString();
        EXPECT_TRUE(run.out.endsWith(QStringLiteral("\n1 ürünün maliyeti güncellendi.\n")));
    };
    const std::pair<const char*, std::function<void()>> ways[] = {{"window", byWindow},
                                                                  {"verb", byVerb}};
    for (const auto& [name, mend] : ways) {
        SCOPED_TRACE(name);
        SetUp();
        TestDatabase::exec("UPDATE stocks.stckdef SET unitcost=12 WHERE stcode=1;"
                           "UPDATE stocks.stckdef SET unitcost=2.5 WHERE stcode=3;"
                           "UPDATE stocks.stckdef SET unitcost=7.5 WHERE stcode=2;");
        mend();
        EXPECT_EQ(TestDatabase::query("SELECT unitcost FROM stocks.stckdef ORDER BY stcode"),
                  (TestDatabase::Rows{{"15.0000"}, {"7.5000"}, {"2.5000"}}));
        const Finished stale = runProgram({QStringLiteral("cost-report"), QStringLiteral("--stale"),
                                           QStringLiteral("--user"), QStringLiteral("1001"),
                                           QStringLiteral("--password"), QStringLiteral("4826")});
        EXPECT_EQ(stale.out.toStdString(), "Maliyeti güncel olmayan ürünler (fark > 0.005): 0\n");
    }
}

namespace {

// The weighed products and one scale; the PLU file goes under a data root of
// the test's own, named in the program's default settings with the login.
class PluCommandTest : public test::DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        test::addUser(1, "1001", "4826", true, true, false);
        test::addProduct({.stcode = 1, .name = "ŞİŞ, KÖFTE", .weighed = true, .sellp1 = 19.99});
        test::addProduct({.stcode = 2, .name = "Ayran", .sellp1 = 10});
        TestDatabase::exec("UPDATE stocks.stckdef SET barcode='2700015' WHERE stcode=1;"
                           "INSERT INTO stocks.terazi(ipaddr) VALUES('127.0.0.1');");
        setDefaults({{"Batch/user", "1001"},
                     {"Batch/password", "4826"},
                     {"Paths/root", m_root.path()},
                     {"Scales/port", QString::number(m_scale.port())}});
    }
    void TearDown() override {
        setDefaults({{"Batch/user", {}},
                     {"Batch/password", {}},
                     {"Paths/root", QDir::homePath()},
                     {"Scales/port", {}}});
        DatabaseTest::TearDown();
    }
    QByteArray written() const {
        QFile file(m_root.filePath(QStringLiteral("Orvanta/terazi_plu.txt")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
    }

    QTemporaryDir m_root;
    test::RecordingListener m_scale{QHostAddress::LocalHost};
};

const QByteArray kPluFile(" 15,\xDE\xDD\xDE  K\xD6"
                          "FTE,15,15,7,1999,27,0,30,\r\n");

} // namespace

TEST_F(PluCommandTest, pluWritesTheFileAndSendDeliversIt) {
    Finished run = runProgram({QStringLiteral("plu")});
    EXPECT_EQ(run.exitCode, app::kBatchDone) << run.err.toStdString();
    EXPECT_EQ(written(), kPluFile);
    EXPECT_EQ(run.err,
              QStringLiteral("Terazi Ürünleri:  15,ŞİŞ  KÖFTE,15,15,7,1999,27,0,30,\r\n\n"));
    EXPECT_TRUE(m_scale.received.isEmpty());

    QFile::remove(m_root.filePath(QStringLiteral("Orvanta/terazi_plu.txt")));
    run = runProgram({QStringLiteral("plu"), QStringLiteral("--send")});
    EXPECT_EQ(run.exitCode, app::kBatchDone) << run.err.toStdString();
    EXPECT_EQ(written(), kPluFile);
    EXPECT_TRUE(run.err.endsWith(QStringLiteral("Teraziye Gönder: 127.0.0.1 : OK\n")))
        << run.err.toStdString();
    EXPECT_TRUE(QTest::qWaitFor([this] { return m_scale.received.size() >= kPluFile.size(); }));
    EXPECT_EQ(m_scale.received, kPluFile);
}

TEST_F(PluCommandTest, aDeadScaleOrNoScaleFailsTheRun) {
    m_scale.close();
    Finished run = runProgram({QStringLiteral("plu"), QStringLiteral("--send")});
    EXPECT_EQ(run.exitCode, app::kBatchFailed);
    EXPECT_TRUE(run.err.contains(QStringLiteral("Teraziye Gönder: 127.0.0.1 : ")));
    EXPECT_FALSE(run.err.contains(QStringLiteral(" : OK")));
    // Rows without an address name no scale either.
    TestDatabase::exec("DELETE FROM stocks.terazi;");
    for (const char* rows : {"", "INSERT INTO stocks.terazi(ipaddr) VALUES(''),('  ');"}) {
        if (*rows != '\0')
            TestDatabase::exec(rows);
        for (const QStringList& plu :
             {QStringList{QStringLiteral("plu")},
              QStringList{QStringLiteral("plu"), QStringLiteral("--send")}}) {
            run = runProgram(plu);
            EXPECT_EQ(run.exitCode, app::kBatchFailed) << rows << plu.size();
            EXPECT_EQ(run.err, QStringLiteral("rcTERAZIYE_GONDER: Tanımlı bir terazi yok..\n"));
        }
    }
}

namespace {

// A weighed product printed through the private spooler with the stored
// layout; the login comes from the program's default settings.
class LabelCommandTest : public test::DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        m_jobs.clear();
        test::addUser(1, "1001", "4826", true, true, false);
        test::addProduct({.stcode = 15, .name = "ŞİŞ KÖFTE", .weighed = true, .sellp1 = 12.5});
        TestDatabase::exec(
            "UPDATE stocks.stckdef SET barcode='2700015', unit='kg' WHERE stcode=15;");
        setDefaults({{"Batch/user", "1001"},
                     {"Batch/password", "4826"},
                     {"Printing/server", test::LabelJobs::printServer()}});
    }
    void TearDown() override {
        setDefaults({{"Batch/user", {}}, {"Batch/password", {}}, {"Printing/server", {}}});
        DatabaseTest::TearDown();
    }

    test::LabelJobs m_jobs;
};

} // namespace

TEST_F(LabelCommandTest, labelPrintsTheSameBytesAsTheDialogWithTheStoredLayout) {
    const Finished run = runProgram(
        {"label", "--stcode", "15", "--printer", "ETIKET", "--weight", "1,5", "--copies", "2"});
    EXPECT_EQ(run.exitCode, app::kBatchDone) << run.err.toStdString();
    const std::vector<std::string> jobs = m_jobs.waitFor(1, std::chrono::seconds(10));
    ASSERT_EQ(jobs.size(), 1U);
    EXPECT_EQ(jobs[0], "N\r\n"
                       "A20,5,0,2,1,1,N,\"sis KoFTE\"\r\n"
                       "B100,26,0,E30,2,4,150,B,\"270001501500\"\r\n"
                       "A20,222,0,1,1,1,N,\"PKT:1.1.2025\"\r\n"
                       "A210,222,0,1,1,1,N,\"SKT:4.1.2025\"\r\n"
                       "A250,200,0,1,1,1,N,\"\"\r\n"
                       "A20,200,0,2,1,1,N,\"12.50 TL  1.000 kg\"\r\n"
                       "P2\r\n");
}

TEST_F(LabelCommandTest, catalogueErrorsAreToldBeforePrintingAndStopItOnlyWhenAskedTo) {
    // A barcode whose check digit is wrong: one error.
    test::addProduct({.stcode = 16, .name = "AYRAN"});
    TestDatabase::exec("UPDATE stocks.stckdef SET barcode='8690000000018' WHERE stcode=16;");
    const QString notice = QStringLiteral("BARCODE: ") + app::errorsNotice(1, true) + '\n';
    Finished run =
        runProgram({"label", "--stcode", "15", "--printer", "ETIKET", "--stop-on-errors"});
    EXPECT_EQ(run.exitCode, app::kBatchFailed);
    EXPECT_EQ(run.err, notice);
    run = runProgram({"label", "--stcode", "15", "--printer", "ETIKET"});
    EXPECT_EQ(run.exitCode, app::kBatchDone) << run.err.toStdString();
    EXPECT_EQ(run.err, QStringLiteral("BARCODE: ") + app::errorsNotice(1, false) + '\n');
    EXPECT_EQ(m_jobs.waitFor(1, std::chrono::seconds(10)).size(), 1U);
}

TEST_F(LabelCommandTest, previewWritesThePictureAndFailuresEndTheRun) {
    QTemporaryDir folder;
    const QString picture = folder.filePath(QStringLiteral("etiket.png"));
    Finished run = runProgram({"label-preview", "--stcode", "15", "--out", picture});
    EXPECT_EQ(run.exitCode, app::kBatchDone) << run.err.toStdString();
    const QImage image(picture);
    EXPECT_GE(image.width(), 400);
    EXPECT_GE(image.height(), 240);

    run = runProgram({"label", "--stcode", "16", "--printer", "ETIKET"});
    EXPECT_EQ(run.exitCode, app::kBatchFailed);
    EXPECT_EQ(run.err, QStringLiteral("label: Stok kodu 16 olan ürün yok.\n"));
    run = runProgram({"label", "--stcode", "15", "--printer", "YOK"});
    EXPECT_EQ(run.exitCode, app::kBatchFailed);
    EXPECT_EQ(run.err, QStringLiteral("Yazici Secilmedi ya da yazici yok.!\n"));
    EXPECT_EQ(runProgram({"label", "--stcode", "15", "--copies", "0"}).exitCode, app::kBatchUsage);
    EXPECT_TRUE(m_jobs.received().empty());
}

// The weight goes into five digits of the code: a weight they cannot carry is
// a mistake in the options, told before the login.
TEST_F(LabelCommandTest, aWeightTheCodeCannotCarryIsAMistakeInTheOptions) {
    QTemporaryDir folder;
    const QString picture = folder.filePath(QStringLiteral("etiket.png"));
    for (const QString& weight :
         {QStringLiteral("150"), QStringLiteral("-1,5"), QStringLiteral("abc")}) {
        const QString option = QStringLiteral("--weight=") + weight;
        const QString refusal = labels::weightRefusalCaption() + QStringLiteral(": ") +
                                labels::weightRefusal(weight) + '\n';
        Finished run = runProgram({"label", "--stcode", "15", "--printer", "ETIKET", option});
        EXPECT_EQ(run.exitCode, app::kBatchUsage) << weight.toStdString();
        EXPECT_EQ(run.err, refusal);
        run = runProgram({"label-preview", "--stcode", "15", "--out", picture, option});
        EXPECT_EQ(run.exitCode, app::kBatchUsage) << weight.toStdString();
        EXPECT_EQ(run.err, refusal);
    }
    EXPECT_FALSE(QFile::exists(picture));
    EXPECT_TRUE(m_jobs.waitFor(1, std::chrono::seconds(2)).empty());
}

// Default positions are no layout: the run fails with the read's box.
TEST_F(LabelCommandTest, anUnreadableLayoutFailsTheRunAndPrintsNothing) {
    const struct {
        const char* table;
        QString caption;
    } cases[] = {{"barcode.print_settings", QStringLiteral("READ_BARCODE_SETTINGS: ")},
                 {"barcode.print_settings_x", QStringLiteral("READ_BARCODE_SETTINGS_X: ")}};
    for (const auto& c : cases) {
        const test::HiddenTable hidden(c.table);
        const Finished run = runProgram({"label", "--stcode", "15", "--printer", "ETIKET"});
        EXPECT_EQ(run.exitCode, app::kBatchFailed) << c.table;
        EXPECT_TRUE(run.err.startsWith(c.caption)) << run.err.toStdString();
    }
    EXPECT_TRUE(m_jobs.waitFor(1, std::chrono::seconds(2)).empty());
}

namespace {

// One product of company 1203 under a data root of the test's own.
class PublishCommandTest : public test::DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        test::addUser(1, "1001", "4826", true, true, false);
        test::addProduct({.stcode = 15, .name = "ŞİŞ KÖFTE", .weighed = true, .sellp1 = 12.5});
        TestDatabase::exec("DELETE FROM company.maininfo; INSERT INTO company.maininfo(compname, "
                           "compfolder, mustID) VALUES ('Test Lokanta', 'rest1', 1203);");
        setDefaults(
            {{"Batch/user", "1001"}, {"Batch/password", "4826"}, {"Paths/root", m_root.path()}});
    }
    void TearDown() override {
        setDefaults({{"Batch/user", {}}, {"Batch/password", {}}, {"Paths/root", QDir::homePath()}});
        DatabaseTest::TearDown();
    }
    QByteArray written(const QString& relative) const {
        QFile file(m_root.filePath(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
    }

    QTemporaryDir m_root;
};

} // namespace

TEST_F(PublishCommandTest, publishWithoutUploadWritesTheFiveFilesAndMenuWritesThePage) {
    const Finished run = runProgram({"publish", "--no-upload"});
    EXPECT_EQ(run.exitCode, app::kBatchDone) << run.err.toStdString();
    EXPECT_EQ(written("Orvanta/transfer/stokdef.dat").size(), 536);
    EXPECT_TRUE(written("Orvanta/transfer/stokdeffile.txt")
                    .startsWith("isletme_code=>1203,type=>0,stcode=>15,"));
    for (const char* name : {"grupA.dat", "grupB.dat", "recete.dat"})
        EXPECT_NE(written(QStringLiteral("Orvanta/transfer/") + QLatin1String(name)),
                  QByteArray("<none>"));
    // The run is kept in the history and printed as kept.
    EXPECT_TRUE(run.out.contains(QStringLiteral("Aktarım dosyaları yazıldı")));
    EXPECT_TRUE(run.out.contains(QStringLiteral("\nstokdef.dat  536 bayt  yükleme -  sha256 ")));
    EXPECT_EQ(written("Orvanta/transfer/history.jsonl").count('\n'), 1);

    const Finished menu = runProgram({"menu", "--no-upload"});
    EXPECT_EQ(menu.exitCode, app::kBatchDone) << menu.err.toStdString();
    EXPECT_TRUE(written("Orvanta/digital_menu/index.html").startsWith("<!DOCTYPE html>\r\n"));
}

// While another run holds the transfer folder, both verbs are refused with
// who started it and when, and write nothing.
TEST_F(PublishCommandTest, aRunWhileAnotherHoldsTheFolderIsRefusedSayingWhoStartedIt) {
    const publishing::PublishLock running(m_root.filePath(QStringLiteral("Orvanta/transfer")),
                                          {QStringLiteral("mudur"), QStringLiteral("KASA1"),
                                           QDateTime(QDate(2026, 12, 9), QTime(10, 15, 3))});
    ASSERT_TRUE(running.held());
    const QString refusal =
        QStringLiteral(": Başka bir yayın sürüyor: mudur kullanıcısı KASA1 bilgisayarında "
                       "09.12.2026 10:15:03 başlattı. Bittiğinde yeniden deneyin.\n");
    const struct {
        const char* verb;
        QString caption;
    } cases[] = {{"publish", QStringLiteral("Şubelere Gönder")},
                 {"menu", QStringLiteral("Menüyü Oluştur")}};
    for (const auto& [verb, caption] : cases) {
        const Finished run = runProgram({QString::fromLatin1(verb), QStringLiteral("--no-upload")});
        EXPECT_EQ(run.exitCode, app::kBatchFailed) << verb;
        EXPECT_EQ(run.err, caption + refusal) << verb;
    }
    for (const char* file : {"Orvanta/transfer/stokdef.dat", "Orvanta/transfer/history.jsonl",
                             "Orvanta/digital_menu/index.html"})
        EXPECT_EQ(written(QString::fromLatin1(file)), QByteArray("<none>")) << file;
}

namespace {

class SheetCommandTest : public test::DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        test::addUser(1, "1001", "4826", true, true, false);
        test::addProduct({.stcode = 15, .name = "ŞİŞ KÖFTE", .sellp1 = 12.5});
        setDefaults({{"Batch/user", "1001"}, {"Batch/password", "4826"}});
        const QString none;
        test::writeXlsFixture(
            m_menu, {{QStringLiteral("Menü"),
                      {{QStringLiteral("8690000000017"), none, QStringLiteral("Künefe"), none, none,
                        QStringLiteral("90,50")},
                       {8691234567895.0, none, QStringLiteral("Baklava"), none, none, 120.0}}}});
    }
    void TearDown() override {
        setDefaults({{"Batch/user", {}}, {"Batch/password", {}}});
        DatabaseTest::TearDown();
    }

    static std::string importedNames() {
        return TestDatabase::scalar("SELECT GROUP_CONCAT(CONCAT(stcode,' ',stname,' ',sellp1) "
                                    "ORDER BY stcode) FROM stocks.stckdef WHERE type=777");
    }

    QTemporaryDir m_folder;
    QString m_menu = m_folder.filePath(QStringLiteral("menü.xls"));
};

} // namespace

TEST_F(SheetCommandTest, importPreviewsWithDryRunAndInsertsWithout) {
    Finished run = runProgram({"import", m_menu, "--no-header", "--dry-run"});
    EXPECT_EQ(run.exitCode, app::kBatchDone) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("VcExcelSTOK.size() : 2 \n"
                                      "Reading Stok from excel file is finished\n"
                                      "Satır\tKod\tBarkod\tFiyat\tAd\n"
                                      "1\t7771\t8690000000017\t90.50\tKünefe\n"
                                      "2\t7772\t8691234567895\t120.00\tBaklava\n"
                                      "2 ürün eklenecek.\n"));
    EXPECT_EQ(importedNames(), "NULL");
    run = runProgram({"import", m_menu, "--no-header"});
    EXPECT_EQ(run.exitCode, app::kBatchDone) << run.err.toStdString();
    EXPECT_TRUE(run.out.endsWith(QStringLiteral("2 ürün eklendi.\n")));
    EXPECT_EQ(importedNames(), "7771 Künefe 90.5000,7772 Baklava 120.0000");
}

// A sheet written with its texts in the cells, a row without a name and a
// date for a price among them: the run stops before writing unless told
// to take the marked rows too.
TEST_F(SheetCommandTest, markedRowsEndTheRunBeforeAnyWriteUnlessAccepted) {
    const QString none;
    const QString sheet = m_folder.filePath(QStringLiteral("isaretli.xlsx"));
    test::writeInlineXlsxFixture(sheet,
                                 {{QStringLiteral("Menü"),
                                   {{QStringLiteral("Barkod"), none, QStringLiteral("Ürün")},
                                    {QStringLiteral("8690000000017"), none,
                                     QStringLiteral("Künefe"), none, none, QStringLiteral("90,50")},
                                    {none, none, none, none, none, QStringLiteral("12,50")},
                                    {none, none, QStringLiteral("Ayran"), none, none,
                                     test::FormattedNumber{45730, "dd.mm.yyyy"}}}}});
    Finished run = runProgram({"import", sheet});
    EXPECT_EQ(run.exitCode, app::kBatchFailed);
    EXPECT_TRUE(run.out.contains(QStringLiteral("2\t7771\t8690000000017\t90.50\tKünefe\n")))
        << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("(fiyat yerine \"2025-03-14\" var, bakınız)")))
        << run.out.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("Önizlemede işaretli 2 satır var; hiçbir ürün "
                                                "eklenmedi.")))
        << run.err.toStdString();
    EXPECT_EQ(importedNames(), "NULL");
    run = runProgram({"import", sheet, "--accept-marked"});
    EXPECT_EQ(run.exitCode, app::kBatchDone) << run.err.toStdString();
    EXPECT_TRUE(run.out.endsWith(QStringLiteral("3 ürün eklendi.\n")));
    EXPECT_EQ(importedNames(), "7771 Künefe 90.5000,7772  12.5000,7773 Ayran 0.0000");
}

TEST_F(SheetCommandTest, aMissingFileOrAMissingNameFailsAndInsertsNothing) {
    const QString missing = m_folder.filePath(QStringLiteral("yok.xlsx"));
    Finished run = runProgram({"import", missing});
    EXPECT_EQ(run.exitCode, app::kBatchFailed);
    EXPECT_TRUE(run.err.contains(missing)) << run.err.toStdString();
    run = runProgram({"import"});
    EXPECT_EQ(run.exitCode, app::kBatchUsage);
    run = runProgram({"import", m_menu, "--sheet", "-1"});
    EXPECT_EQ(run.exitCode, app::kBatchUsage);
    EXPECT_EQ(importedNames(), "NULL");
}

TEST_F(SheetCommandTest, exportWritesTheTableToTheFileNamed) {
    const QString path = m_folder.filePath(QStringLiteral("stok.xlsx"));
    const Finished run = runProgram({"export", path});
    EXPECT_EQ(run.exitCode, app::kBatchDone) << run.err.toStdString();
    EXPECT_EQ(run.out, path + QLatin1Char('\n'));
    EXPECT_EQ(run.err, QStringLiteral("Write_Excel_Stok: Excel STOK sayısı : 1  adet ürün..\n Yeni "
                                      "dosya başarıyla oluşturuldu.\n"));
    const spreadsheets::WorkbookRead read = spreadsheets::readWorkbook(path, 0);
    ASSERT_EQ(read.rows.size(), 2u);
    EXPECT_EQ(read.rows[1].at(2).text, QStringLiteral("ŞİŞ KÖFTE"));
    EXPECT_EQ(read.rows[1].at(5).number, 12.5);
}

namespace {

// The demo restaurant with its pictures in place.
class LintCommandTest : public test::DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        test::loadDemoRestaurant();
        const QDir images(m_root.filePath(QStringLiteral("Orvanta/images")));
        ASSERT_TRUE(images.mkpath(QStringLiteral(".")));
        const QDir demoImages(TestDatabase::repoRoot() + QStringLiteral("/sql/demo-images"));
        for (const QString& name : demoImages.entryList(QDir::Files))
            ASSERT_TRUE(QFile::copy(demoImages.filePath(name), images.filePath(name)));
        setDefaults(
            {{"Batch/user", "mudur"}, {"Batch/password", "123456"}, {"Paths/root", m_root.path()}});
    }
    void TearDown() override {
        setDefaults({{"Batch/user", {}}, {"Batch/password", {}}, {"Paths/root", QDir::homePath()}});
        DatabaseTest::TearDown();
    }

    QTemporaryDir m_root;
};

} // namespace

TEST_F(LintCommandTest, theDemoRestaurantIsCleanAndThreePlantedFaultsAreListedAlone) {
    Finished run = runProgram({"lint"});
    EXPECT_EQ(run.exitCode, app::kBatchDone) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("Katalogda sorun bulunmadı.\n"));
    // A mistyped barcode, a recipe that closes a circle and a weighed product
    // that lost its scale code.
    TestDatabase::exec("UPDATE stocks.stckdef SET barcode='8695234010012' "
                       "WHERE barcode='8695234010011';");
    const std::string cycle = TestDatabase::scalar(
        "SELECT CONCAT(urun,' ',ingredient) FROM stocks.receipts WHERE urun<>ingredient "
        "ORDER BY urun LIMIT 1");
    const std::string product = cycle.substr(0, cycle.find(' '));
    const std::string ingredient = cycle.substr(cycle.find(' ') + 1);
    TestDatabase::exec("INSERT INTO stocks.receipts(urun,ingredient,qua) VALUES(" + ingredient +
                       "," + product + ",1);");
    TestDatabase::exec("UPDATE stocks.stckdef SET barcode='' WHERE is_weighed=1 "
                       "ORDER BY stcode LIMIT 1;");
    run = runProgram({"lint", "--json"});
    EXPECT_EQ(run.exitCode, app::kBatchFailed) << run.err.toStdString();
    const QJsonArray findings = QJsonDocument::fromJson(run.out.toUtf8()).array();
    QStringList checks;
    for (const QJsonValue& finding : findings)
        checks << finding.toObject()[QStringLiteral("check")].toString();
    EXPECT_EQ(checks, QStringList({QStringLiteral("bad-barcode"), QStringLiteral("recipe-cycle"),
                                   QStringLiteral("weighed-without-scale-code")}))
        << run.out.toStdString();
}

namespace {

class UndoCommandTest : public LintCommandTest {};

} // namespace

TEST_F(UndoCommandTest, undoListsTakesBackAndStopsAtProductsChangedSinceUnlessForced) {
    const std::string red = "SELECT GROUP_CONCAT(red ORDER BY stcode) FROM stocks.colors "
                            "WHERE stcode IN (33311, 33312)";
    const std::string before = TestDatabase::scalar(red);
    {
        test::TestSettings settings;
        db::DbConnection connection(settings);
        db::StatementRunner runner(connection, m_boxes);
        db::Transaction change(runner, db::Operation("SET_RENK"));
        change.journalAs("Renk Ayarla");
        change.keep(db::schema::stocks, "colors", "stcode", {"33311", "33312"});
        (void)runner.execute(db::Operation("SET_RENK"), db::schema::stocks,
                             "UPDATE colors SET red = 7 WHERE stcode IN (33311, 33312);");
        ASSERT_EQ(change.commit(), db::Outcome::Completed);
    }
    TestDatabase::exec("UPDATE stocks.colors SET green = 1 WHERE stcode = 33312;");
    const QString id =
        QString::fromStdString(TestDatabase::scalar("SELECT MAX(id) FROM parvela_journal.changes"));

    const Finished list = runProgram({"undo", "--list"});
    EXPECT_EQ(list.exitCode, app::kBatchDone) << list.err.toStdString();
    EXPECT_TRUE(list.out.startsWith(id + QLatin1Char('\t'))) << list.out.toStdString();
    EXPECT_TRUE(list.out.endsWith(QStringLiteral("\tRenk Ayarla\t2 ürün\n")))
        << list.out.toStdString();

    const Finished asked = runProgram({"undo", id});
    EXPECT_EQ(asked.exitCode, app::kBatchFailed);
    EXPECT_TRUE(asked.err.contains(QStringLiteral("\n33312  "))) << asked.err.toStdString();
    EXPECT_EQ(TestDatabase::scalar(red), "7,7");

    const Finished forced = runProgram({"undo", id, "--force"});
    EXPECT_EQ(forced.exitCode, app::kBatchDone) << forced.err.toStdString();
    EXPECT_EQ(forced.out, QStringLiteral("2 ürün değişiklikten önceki haline döndü.\n"));
    EXPECT_EQ(TestDatabase::scalar(red), before);
    EXPECT_EQ(runProgram({"undo", id, "--force"}).exitCode, app::kBatchFailed);
    EXPECT_EQ(runProgram({"undo"}).exitCode, app::kBatchUsage);
    EXPECT_EQ(runProgram({"undo", "x"}).exitCode, app::kBatchUsage);
    EXPECT_TRUE(runProgram({"undo", "--list"})
                    .out.contains(QStringLiteral("\tmudur\tGeri Al: Renk Ayarla\t2 ürün\n")));

    // A server whose schema predates the journal gets it from the program.
    TestDatabase::exec("DROP DATABASE parvela_journal;");
    const Finished fresh = runProgram({"undo", "--list"});
    EXPECT_EQ(fresh.exitCode, app::kBatchDone) << fresh.err.toStdString();
    EXPECT_EQ(fresh.out, QString());
    EXPECT_EQ(TestDatabase::scalar("SELECT COUNT(*) FROM information_schema.TABLES "
                                   "WHERE TABLE_SCHEMA = 'parvela_journal'"),
              "4");
}

// The history names who published: the user who logged in, or, on a
// developer machine where nobody does, the machine's user.
TEST_F(PublishCommandTest, theHistoryNamesTheUserOrTheMachinesUser) {
    const QByteArray machineUser = qgetenv("USER");
    qputenv("USER", "kasiyer");
    const Finished loggedIn = runProgram({"publish", "--no-upload"});
    setDefaults({{"Login/developerMachines", QSysInfo::machineHostName()}});
    const Finished skipped = runProgram({"publish", "--no-upload"});
    setDefaults({{"Login/developerMachines", {}}});
    qputenv("USER", machineUser);
    EXPECT_EQ(loggedIn.exitCode, app::kBatchDone) << loggedIn.err.toStdString();
    EXPECT_EQ(skipped.exitCode, app::kBatchDone) << skipped.err.toStdString();
    QStringList users;
    for (const QByteArray& line : written("Orvanta/transfer/history.jsonl").split('\n'))
        if (!line.isEmpty())
            users << QJsonDocument::fromJson(line).object()[QStringLiteral("user")].toString();
    EXPECT_EQ(users, (QStringList{QStringLiteral("1001"), QStringLiteral("kasiyer")}));
}

TEST_F(PublishCommandTest, catalogueErrorsAreToldAndStopTheRunOnlyWhenAskedTo) {
    // ŞİŞ KÖFTE is weighed but has no scale code: one error.
    Finished run = runProgram({"publish", "--no-upload", "--stop-on-errors"});
    EXPECT_EQ(run.exitCode, app::kBatchFailed);
    EXPECT_EQ(run.err,
              QStringLiteral("Şubelere Gönder: ") + app::errorsNotice(1, true) + QLatin1Char('\n'));
    EXPECT_EQ(written("Orvanta/transfer/stokdef.dat"), QByteArray("<none>"));
    run = runProgram({"publish", "--no-upload"});
    EXPECT_EQ(run.exitCode, app::kBatchDone);
    EXPECT_TRUE(
        run.err.startsWith(QStringLiteral("Şubelere Gönder: ") + app::errorsNotice(1, false)))
        << run.err.toStdString();
    EXPECT_EQ(written("Orvanta/transfer/stokdef.dat").size(), 536);
}
