#include "CatalogFixtures.h"
#include "DatabaseTest.h"
#include "FaultyWebHost.h"
#include "ProgramRun.h"
#include "SmallDisk.h"
#include "UserFixtures.h"
#include "WebServers.h"
#include "app/BatchCommands.h"
#include "platform/Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace parvela;
using test::Finished;
using test::runProgram;
using test::setDefaults;
using test::TestDatabase;

namespace {

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

bool plant(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A command and the file it writes, under the data root ("root/") or the
// home ("home/") of a folder of the test's own.
struct Output {
    QStringList arguments;
    QString file;
};

const std::vector<Output>& outputs() {
    static const std::vector<Output> all{
        {{"plu"}, "root/Orvanta/terazi_plu.txt"},
        {{"publish", "--no-upload"}, "root/Orvanta/transfer/stokdef.dat"},
        {{"publish", "--no-upload"}, "root/Orvanta/transfer/history.jsonl"},
        {{"menu", "--no-upload"}, "root/Orvanta/digital_menu/index.html"},
        {{"export"}, "home/Documents/excelstok.xlsx"},
        {{"price-list"}, "home/Desktop/urun_list.html"},
        {{"label-preview", "--stcode", "15", "--out", "@/etiket.png"}, "etiket.png"}};
    return all;
}

// One weighed product of company 1203 and its label; the login and the data
// root come from the program's default settings.
class FileFaultsCommandTest : public test::DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        test::addUser(1, "1001", "4826", true, true, false);
        test::addProduct({.stcode = 15, .name = "ŞİŞ KÖFTE", .weighed = true, .sellp1 = 12.5});
        TestDatabase::exec("UPDATE stocks.stckdef SET barcode='2700015' WHERE stcode=15;"
                           "INSERT INTO stocks.terazi(ipaddr) VALUES('127.0.0.1');"
                           "DELETE FROM company.maininfo; INSERT INTO company.maininfo(compname, "
                           "compfolder, mustID) VALUES ('Test Lokanta', 'rest1', 1203);");
    }
    void TearDown() override {
        setDefaults({{"Batch/user", {}},
                     {"Batch/password", {}},
                     {"Paths/root", QDir::homePath()},
                     {"Web/host", {}},
                     {"Web/ftpPort", {}},
                     {"Web/httpPort", {}}});
        DatabaseTest::TearDown();
    }
    // Everything under `folder`: root/ is the data root, home/ the home.
    void useFolder(const QString& folder) {
        m_folder = folder;
        setDefaults({{"Batch/user", "1001"},
                     {"Batch/password", "4826"},
                     {"Paths/root", folder + QStringLiteral("/root")}});
    }
    QString pathOf(const QString& file) const { return m_folder + QLatin1Char('/') + file; }
    Finished run(const Output& output) const {
        QStringList arguments = output.arguments;
        arguments.replaceInStrings(QStringLiteral("@"), m_folder);
        return runProgram(arguments, pathOf(QStringLiteral("home")));
    }

    QString m_folder;
};

} // namespace

// A full disk fails every command that writes, with the file and the
// system's reason, and leaves every old file whole.
TEST_F(FileFaultsCommandTest, aFullDiskFailsTheRunAndKeepsTheOldFile) {
    const test::SmallDisk disk;
    if (!disk.mounted())
        GTEST_SKIP() << disk.whyNot().toStdString();
    useFolder(disk.path());
    QByteArray history;
    for (int i = 1; i <= 12; ++i)
        history += "{\"kind\":\"Katalog\",\"run\":" + QByteArray::number(i) + "}\n";
    for (const Output& output : outputs())
        ASSERT_TRUE(plant(pathOf(output.file), output.file.endsWith(QStringLiteral("history.jsonl"))
                                                   ? history
                                                   : "old " + output.file.toUtf8()));
    disk.fill();

    for (const Output& output : outputs()) {
        const Finished finished = run(output);
        const std::string what = output.arguments.join(u' ').toStdString();
        EXPECT_EQ(finished.exitCode, app::kBatchFailed) << what;
        EXPECT_TRUE(finished.err.contains(QStringLiteral(" yazılamadı: No space left on device")))
            << what << ": " << finished.err.toStdString();
        EXPECT_EQ(contentsOf(pathOf(output.file)),
                  output.file.endsWith(QStringLiteral("history.jsonl"))
                      ? history
                      : "old " + output.file.toUtf8())
            << what;
    }
}

// A link planted where a command writes is replaced by the file; what it
// pointed at is left as it was.
TEST_F(FileFaultsCommandTest, aPlantedLinkIsReplacedNeverWrittenThrough) {
    const QTemporaryDir folder;
    useFolder(folder.path());
    const QString victim = pathOf(QStringLiteral("victim.txt"));
    ASSERT_TRUE(plant(victim, "victim"));
    for (const Output& output : outputs()) {
        const QString path = pathOf(output.file);
        QDir().mkpath(QFileInfo(path).path());
        QFile::remove(path);
        ASSERT_TRUE(QFile::link(victim, path)) << output.file.toStdString();
        const Finished finished = run(output);
        const std::string what = output.arguments.join(u' ').toStdString();
        EXPECT_EQ(finished.exitCode, app::kBatchDone) << what << ": " << finished.err.toStdString();
        EXPECT_FALSE(QFileInfo(path).isSymLink()) << what << " " << output.file.toStdString();
        EXPECT_NE(contentsOf(path), QByteArray("victim")) << what;
        EXPECT_EQ(contentsOf(victim), QByteArray("victim")) << what;
    }
}

// "menu" on a fresh data root keeps its record: the transfer folder is made.
// A host that dies half-way fails "publish" with the reason, printed and kept.
TEST_F(FileFaultsCommandTest, publishingRunsKeepTheirRecordAndItsReason) {
    const QTemporaryDir folder;
    useFolder(folder.path());
    const test::WebServers web;
    web.resetFtp({QStringLiteral("rest1/menu")});
    const test::FaultyWebHost dying(test::FaultyWebHost::Side::Ftp,
                                    QStringLiteral("die-after:100"));
    ASSERT_TRUE(dying.started());
    dying.makeCompanyFolders({QStringLiteral("rest1")});
    dying.writeRemoteFile(QStringLiteral("rest1/stokdeffile.txt"), "old");
    const publishing::WebServer shared = test::WebServers::server();
    setDefaults({{"Web/host", shared.host},
                 {"Web/ftpPort", QString::number(shared.ftpPort)},
                 {"Web/httpPort", QString::number(shared.httpPort)}});

    Finished finished = run({{"menu"}, {}});
    EXPECT_EQ(finished.exitCode, app::kBatchDone) << finished.err.toStdString();
    const QString history = pathOf(QStringLiteral("root/Orvanta/transfer/history.jsonl"));
    EXPECT_EQ(contentsOf(history).count('\n'), 1);

    setDefaults({{"Web/ftpPort", QString::number(dying.port())}});
    finished = run({{"publish"}, {}});
    EXPECT_EQ(finished.exitCode, app::kBatchFailed);
    EXPECT_TRUE(finished.out.contains(
        QStringLiteral("Stok Tanımları Web Server'a yüklenemedi. : FAILED\nstokdeffile.txt: ")))
        << finished.out.toStdString();
    EXPECT_EQ(contentsOf(history).count('\n'), 2);
    EXPECT_TRUE(contentsOf(history).contains("\"reason\":\"stokdeffile.txt: "));
    EXPECT_EQ(dying.remoteFile(QStringLiteral("rest1/stokdeffile.txt")), "old");
}
