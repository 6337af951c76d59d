#include "publishing/CataloguePublish.h"

#include "DatabaseTest.h"
#include "FaultyWebHost.h"
#include "TestSettings.h"
#include "WebServers.h"
#include "db/DbConnection.h"
#include "db/StatementRunner.h"
#include "publishing/PagePublish.h"
#include "publishing/PublishHistory.h"
#include "publishing/TransferFiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

using namespace parvela;
using namespace parvela::publishing;
using test::TestDatabase;

namespace {

std::string fileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<none>";
    const QByteArray bytes = file.readAll();
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

// A small catalogue of company 1203 (folder rest1, own branch 4) published
// to the private web host.
class CataloguePublishTest : public test::DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        m_web.resetFtp({QStringLiteral("rest1")});
        m_web.resetHttp("OK");
        TestDatabase::exec("UPDATE subetransfer.islem_sayac SET son_no = 6;");
        m_snapshot.company.id = 1203;
        m_snapshot.company.folder = "rest1";
        m_snapshot.company.ownBranchCode = 4;
        for (int i = 1; i <= 3; ++i) {
            stock::StockDefinition product;
            product.stcode = 100 + i;
            product.stname = QStringLiteral("Ürün %1").arg(i);
            product.sellp1 = 10.0 * i;
            m_snapshot.products.push_back(product);
        }
        groups::GroupA a;
        a.acode = 3331;
        a.wideName = QStringLiteral("Yiyecekler");
        m_snapshot.groupsA.push_back(a);
        recipes::RecipeLine line;
        line.Id = 9;
        line.urun = 101;
        line.ingredient = 102;
        line.qua = 0.25;
        m_snapshot.recipeLines = std::vector<recipes::RecipeLine>{line};
    }

    CataloguePublishResult publish(bool upload = true) {
        const PublishTarget target{m_root.path(), transferFolder(), upload ? &m_server : nullptr};
        int steps = 0;
        CataloguePublishResult result =
            publishCatalogue(m_snapshot, target, m_runner, m_boxes, [&steps](int done) {
                EXPECT_EQ(done, steps + 1);
                steps = done;
            });
        EXPECT_EQ(steps, kPublishSteps);
        return result;
    }
    QString transferFolder() const { return m_root.filePath(QStringLiteral("Orvanta/transfer")); }
    std::string local(const QString& name) const {
        return fileBytes(QDir(transferFolder()).filePath(name));
    }

    test::WebServers m_web;
    WebServer m_server = test::WebServers::server();
    test::TestSettings m_settings;
    db::DbConnection m_connection{m_settings};
    db::StatementRunner m_runner{m_connection, m_boxes};
    QTemporaryDir m_root;
    CatalogueSnapshot m_snapshot;
};

const std::vector<QString> kFiles{kKeyListFile, kStockFile, kGroupAFile, kGroupBFile, kRecipeFile};

} // namespace

TEST_F(CataloguePublishTest, theFiveFilesGoUpAndBothRequestsFollowInOrder) {
    m_snapshot.recipeLines = {};
    const CataloguePublishResult result = publish();
    EXPECT_TRUE(result.success);
    EXPECT_EQ(result.statusText(), kPublishedStatus);
    ASSERT_EQ(result.files.size(), kFiles.size());
    for (std::size_t i = 0; i < kFiles.size(); ++i) {
        const PublishedFile& file = result.files[i];
        EXPECT_EQ(file.name, kFiles[i]);
        EXPECT_EQ(file.upload, std::optional<int>(kUploadDone));
        EXPECT_EQ(m_web.remoteFile(QStringLiteral("rest1/") + file.name), local(file.name));
        EXPECT_EQ(file.size, static_cast<qint64>(local(file.name).size()));
        EXPECT_EQ(file.sha256.size(), 64);
    }
    EXPECT_EQ(local(kStockFile).size(), 3 * kStockRecordSize);
    // No Group B and no recipes: their files are empty and still count.
    EXPECT_EQ(local(kGroupBFile), "");
    EXPECT_EQ(local(kRecipeFile), "");
    EXPECT_EQ(result.synchId, 12037U);
    const std::vector<std::string> requests = m_web.requests();
    ASSERT_EQ(requests.size(), 2U);
    EXPECT_EQ(requests[0].substr(0, requests[0].find("\r\n")),
              "GET /insert_stok_tanim.php/?Isletme=1203&StockDefFile=/customer_yedek/rest1/"
              "stokdeffile.txt HTTP/1.1");
    EXPECT_EQ(requests[1].substr(0, requests[1].find("\r\n")),
              "GET /upload_stok_tanim.php/?Isletme=1203&SynchId=12037&FromSube=4 HTTP/1.1");
    EXPECT_EQ(local(QStringLiteral("response.dat")), std::string("OK\0", 3));
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(CataloguePublishTest, aCompanyFolderMissingOnTheServerFailsTheRunWithoutARequest) {
    m_web.resetFtp();
    const CataloguePublishResult result = publish();
    EXPECT_FALSE(result.success);
    EXPECT_EQ(result.statusText(), kNotPublishedStatus);
    // The first file finds no folder; the others are not tried.
    ASSERT_EQ(result.files.size(), kFiles.size());
    EXPECT_EQ(result.files[0].upload, std::optional<int>(kNoFolder));
    for (std::size_t i = 1; i < kFiles.size(); ++i)
        EXPECT_FALSE(result.files[i].upload.has_value()) << i;
    const QString reason =
        QStringLiteral("stokdeffile.txt: sunucuda httpdocs/customer_yedek/rest1 klasörü yok");
    EXPECT_EQ(result.reason, reason);
    // No list went up, so the web service is not asked to take one in.
    EXPECT_TRUE(m_web.requests().empty());
    EXPECT_FALSE(result.insertRequest.has_value());
    EXPECT_FALSE(result.uploadNotice.has_value());
    EXPECT_EQ(m_boxes.captions(), QStringList{QStringLiteral("Şubelere Gönder")});
    EXPECT_EQ(m_boxes.texts(), QStringList{kNotPublishedStatus + QLatin1Char('\n') + reason});
}

TEST_F(CataloguePublishTest, noSynchNumberFromADeadServerFailsTheRunWithoutANotice) {
    // The files go up, then the database server is gone.
    test::TestSettings deadServer({{QStringLiteral("Server/ipno"), QStringLiteral("127.0.0.7")}});
    const db::DbConnection connection(deadServer);
    const PublishTarget target{m_root.path(), transferFolder(), &m_server};
    const CataloguePublishResult result =
        publishCatalogue(m_snapshot, target, db::StatementRunner(connection, m_boxes), m_boxes);
    EXPECT_FALSE(result.success);
    EXPECT_EQ(result.statusText(), kNotPublishedStatus);
    EXPECT_EQ(m_web.remoteFile(QStringLiteral("rest1/") + kStockFile), local(kStockFile));
    EXPECT_FALSE(result.uploadNotice.has_value());
    EXPECT_EQ(m_web.requests().size(), 1U);
    ASSERT_EQ(m_boxes.shown().size(), 1U);
    EXPECT_EQ(m_boxes.captions()[0], QStringLiteral("GET_SYNCH_ID"));
}

TEST_F(CataloguePublishTest, aFolderThatCannotBeWrittenUploadsNothingAndFails) {
    // A file where the transfer folder should be.
    ASSERT_TRUE(QDir().mkpath(m_root.filePath(QStringLiteral("Orvanta"))));
    QFile blocker(transferFolder());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    m_web.writeRemoteFile(QStringLiteral("rest1/stokdef.dat"), "eski");

    const CataloguePublishResult result = publish();
    EXPECT_FALSE(result.success);
    for (const PublishedFile& file : result.files) {
        EXPECT_FALSE(file.writeError.isEmpty());
        EXPECT_FALSE(file.upload.has_value());
    }
    // The older copy on the server is not replaced or sent as new.
    EXPECT_EQ(m_web.remoteFile(QStringLiteral("rest1/stokdef.dat")), "eski");
    EXPECT_TRUE(m_web.requests().empty());
    ASSERT_EQ(m_boxes.shown().size(), kFiles.size());
    EXPECT_EQ(m_boxes.captions().at(0), QStringLiteral("Şubelere Gönder"));
    EXPECT_TRUE(m_boxes.texts().at(0).contains(QStringLiteral("stokdeffile.txt")));
}

TEST_F(CataloguePublishTest, withoutAServerTheFilesAreOnlyWritten) {
    const CataloguePublishResult result = publish(false);
    EXPECT_TRUE(result.success);
    for (const PublishedFile& file : result.files)
        EXPECT_FALSE(file.upload.has_value());
    EXPECT_EQ(local(kStockFile), stockFile(m_snapshot.products, 1203));
    EXPECT_TRUE(m_web.requests().empty());
    EXPECT_EQ(m_web.remoteFile(QStringLiteral("rest1/stokdef.dat")), "");
}

// "İptal" while a file goes up or while a request waits: nothing more goes
// up, no upload notice is sent, no synchronisation number is drawn, and the
// history keeps the run as cancelled, without a box.
TEST_F(CataloguePublishTest, aCancelledRunSendsNothingMoreAndIsKeptAsCancelled) {
    using Side = test::FaultyWebHost::Side;
    const struct {
        const char* run;
        Side side;
        QString fault;
        bool menu;
        QString reason;
        std::size_t requests;
    } cases[] = {
        {"staging a file", Side::Ftp, QStringLiteral("stall-after:100"), false,
         QStringLiteral("stokdeffile.txt: İptal edildi"), 0},
        {"awaiting the product request", Side::Http, QStringLiteral("silent@insert_stok"), false,
         QStringLiteral("insert_stok_tanim.php: İptal edildi"), 1},
        {"uploading the menu", Side::Ftp, QStringLiteral("stall-after:100"), true, kCancelledReason,
         0},
    };
    QTemporaryDir pages;
    const QString page = pages.filePath(QStringLiteral("index.html"));
    QFile file(page);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, 'm'));
    file.close();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.run);
        m_web.resetHttp("OK");
        test::FaultyWebHost host(c.side, c.fault);
        ASSERT_TRUE(host.started());
        host.makeCompanyFolders({QStringLiteral("rest1"), QStringLiteral("rest1/menu")});
        WebServer server = host.server(test::WebServers::server());
        server.transferTimeout = std::chrono::seconds(30);
        // Pressed once the upload or the request is under way.
        const QString folder = c.menu ? QStringLiteral("rest1/menu") : QStringLiteral("rest1");
        const auto cancelled = [&host, &c, &folder] {
            return c.side == Side::Http ? !host.requests().empty()
                                        : !host.remoteNames(folder).isEmpty();
        };
        QElapsedTimer clock;
        clock.start();
        HistoryRecord record;
        if (c.menu) {
            const WebResult uploaded =
                publishMenu(m_snapshot.company, page, server, m_boxes, cancelled);
            record = menuRecord(page, uploaded, QStringLiteral("mudur"), QDateTime());
        } else {
            const PublishTarget target{m_root.path(), transferFolder(), &server, cancelled};
            record = catalogueRecord(publishCatalogue(m_snapshot, target, m_runner, m_boxes),
                                     QStringLiteral("mudur"), QDateTime());
        }
        EXPECT_LT(clock.elapsed(), 10000) << "not the 30 s of the transfer's time-out";
        EXPECT_EQ(record.status, c.menu ? kMenuCancelledStatus : kCancelledPublishStatus);
        EXPECT_TRUE(record.cancelled);
        EXPECT_FALSE(record.success);
        EXPECT_EQ(record.reason, c.reason);
        std::vector<std::string> requests = m_web.requests();
        if (c.side == Side::Http)
            requests = host.requests();
        EXPECT_EQ(requests.size(), c.requests);
        for (const std::string& request : requests)
            EXPECT_EQ(request.find("upload_stok_tanim"), std::string::npos);
        EXPECT_EQ(TestDatabase::scalar("SELECT son_no FROM subetransfer.islem_sayac"), "6");
        EXPECT_TRUE(m_boxes.shown().empty());
    }
}

TEST_F(CataloguePublishTest, theMenuUploadSaysItWentOnlyWhenItDid) {
    QTemporaryDir pages;
    const QString page = pages.filePath(QStringLiteral("index.html"));
    QFile file(page);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<html></html>");
    file.close();

    EXPECT_EQ(publishMenu(m_snapshot.company, page, m_server, m_boxes).code, kNoFolder);
    EXPECT_EQ(m_boxes.captions(), QStringList{QStringLiteral("FTP_UPLOAD_MENU_FILE")});
    EXPECT_TRUE(m_boxes.texts().at(0).startsWith(
        QStringLiteral("Menu dosyasi Web sunucusuna yuklenemedi")));

    m_boxes.clear();
    m_web.resetFtp({QStringLiteral("rest1/menu")});
    EXPECT_EQ(publishMenu(m_snapshot.company, page, m_server, m_boxes).code, kUploadDone);
    EXPECT_EQ(m_boxes.texts(),
              QStringList{QStringLiteral("Menu dosyasi Web sunucusuna yuklendi...")});
    EXPECT_EQ(m_web.remoteFile(QStringLiteral("rest1/menu/index.html")), "<html></html>");
}

namespace {

// A host that fails one way during a run: on its FTP side or its HTTP side,
// the other being the shared one.
struct HostFault {
    test::FaultyWebHost::Side side;
    const char* fault;
    const char* reason; // how the run's reason starts
    bool filesReplaced; // the four record files are the new ones
    std::size_t requests;
};

} // namespace

// Whatever the host does half-way, the branches' files are the old ones or,
// once all went up, the new ones; the run says FAILED with the reason within
// the time-outs.
TEST_F(CataloguePublishTest, aHostFailingHalfWayLeavesTheBranchesFilesAndSaysFailed) {
    using Side = test::FaultyWebHost::Side;
    // Ten products: the product file is longer than what a dying host keeps.
    for (int i = 4; i <= 10; ++i) {
        stock::StockDefinition product;
        product.stcode = 100 + i;
        product.stname = QStringLiteral("Ürün %1").arg(i);
        m_snapshot.products.push_back(product);
    }
    const HostFault cases[] = {
        {Side::Ftp, "die-after:4096", "stokdef.dat: ", false, 0},
        {Side::Ftp, "stall-after:4096", "stokdef.dat: ", false, 0},
        {Side::Ftp, "reply:STOR:452", "stokdeffile.txt: 452 ", false, 0},
        {Side::Ftp, "short-store:100", "stokdeffile.txt: Sunucu 100 bayt", false, 0},
        {Side::Http, "status:500", "insert_stok_tanim.php: HTTP 500", false, 1},
        {Side::Http, "garbage", "insert_stok_tanim.php: ", false, 1},
        {Side::Http, "nothing", "insert_stok_tanim.php: ", false, 1},
        {Side::Http, "silent", "insert_stok_tanim.php: ", false, 1},
        {Side::Http, "status:302@upload_stok", "upload_stok_tanim.php: HTTP 302", true, 2}};
    const std::vector<QString> records{kStockFile, kGroupAFile, kGroupBFile, kRecipeFile};
    for (const HostFault& run : cases) {
        test::FaultyWebHost host(run.side, QString::fromLatin1(run.fault));
        ASSERT_TRUE(host.started()) << run.fault;
        const auto remote = [&](const QString& name) {
            const QString path = QStringLiteral("rest1/") + name;
            return run.side == Side::Ftp ? host.remoteFile(path) : m_web.remoteFile(path);
        };
        m_web.resetFtp({QStringLiteral("rest1")});
        m_web.resetHttp("OK");
        host.makeCompanyFolders({QStringLiteral("rest1")});
        for (const QString& name : kFiles) {
            host.writeRemoteFile(QStringLiteral("rest1/") + name, "old");
            m_web.writeRemoteFile(QStringLiteral("rest1/") + name, "old");
        }
        m_server = host.server(test::WebServers::server());
        m_server.transferTimeout = std::chrono::seconds(1);
        m_boxes.clear();
        QElapsedTimer clock;
        clock.start();
        const CataloguePublishResult result = publish();
        // Bounded by the 1 s time-outs, not by the host (which never ends);
        // twice the normal build's need, for a sanitized build.
        EXPECT_LT(clock.elapsed(), 8000) << run.fault;
        EXPECT_FALSE(result.success) << run.fault;
        EXPECT_EQ(result.statusText(), kNotPublishedStatus) << run.fault;
        EXPECT_TRUE(result.reason.startsWith(QString::fromUtf8(run.reason)))
            << run.fault << ": " << result.reason.toStdString();
        for (const QString& name : records)
            EXPECT_EQ(remote(name), run.filesReplaced ? local(name) : "old")
                << run.fault << " " << name.toStdString();
        EXPECT_EQ(run.side == Side::Http ? host.requests().size() : m_web.requests().size(),
                  run.requests)
            << run.fault;
        // Every failure was told, by the transfer's box or the run's.
        EXPECT_FALSE(m_boxes.shown().empty()) << run.fault;
        // A host that still answers keeps no part of the run beside the files.
        if (run.side == Side::Http) {
            EXPECT_EQ(QDir(test::WebServers::customerFolders() + QStringLiteral("/rest1"))
                          .entryList(QDir::Files | QDir::Hidden)
                          .size(),
                      kFiles.size())
                << run.fault;
        }
    }
}

// A web service that takes longer than the time-out to answer, but keeps
// answering, is waited for; the files go up after it all the same.
TEST_F(CataloguePublishTest, aSlowButAnsweringWebServiceIsWaitedFor) {
    test::FaultyWebHost slow(test::FaultyWebHost::Side::Http,
                             QStringLiteral("trickle:3000@insert_stok"));
    ASSERT_TRUE(slow.started());
    m_server = slow.server(test::WebServers::server());
    m_server.transferTimeout = std::chrono::seconds(2);
    const CataloguePublishResult result = publish();
    EXPECT_TRUE(result.success) << result.reason.toStdString();
    for (const QString& name : kFiles)
        EXPECT_EQ(m_web.remoteFile(QStringLiteral("rest1/") + name), local(name))
            << name.toStdString();
    EXPECT_EQ(slow.requests().size(), 2U);
}

// "İptal" stops the run where it is, a transfer under way too: nothing on the
// host is replaced, no request goes, and the run fails for that reason alone.
TEST_F(CataloguePublishTest, aCancelledRunStopsAtOnceAndReplacesNothing) {
    test::FaultyWebHost stalling(test::FaultyWebHost::Side::Ftp, QStringLiteral("stall-after:100"));
    ASSERT_TRUE(stalling.started());
    stalling.makeCompanyFolders({QStringLiteral("rest1")});
    stalling.writeRemoteFile(QStringLiteral("rest1/stokdeffile.txt"), "old");
    m_server = stalling.server(test::WebServers::server());
    m_server.transferTimeout = std::chrono::seconds(30);
    QElapsedTimer clock;
    clock.start();
    const PublishTarget target{m_root.path(), transferFolder(), &m_server, [&clock] {
                                   return clock.elapsed() > 500;
                               }};
    const CataloguePublishResult result = publishCatalogue(m_snapshot, target, m_runner, m_boxes);
    EXPECT_LT(clock.elapsed(), 3000);
    EXPECT_FALSE(result.success);
    EXPECT_EQ(result.reason, QStringLiteral("stokdeffile.txt: İptal edildi"));
    EXPECT_EQ(stalling.remoteFile(QStringLiteral("rest1/stokdeffile.txt")), "old");
    EXPECT_TRUE(m_web.requests().empty());
    EXPECT_TRUE(m_boxes.shown().empty());
    // Every file is written all the same.
    EXPECT_EQ(local(kStockFile), stockFile(m_snapshot.products, 1203));
}
