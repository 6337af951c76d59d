#include "publishing/WebUpload.h"

#include "FaultyWebHost.h"
#include "ScriptedMessageBoxes.h"
#include "WebServers.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTcpServer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace parvela;
using namespace parvela::publishing;
using parvela::test::WebServers;

namespace {

const std::string kBinary("SET a=1;\r\n\0\xff\xfe\x01 end\n", 20);

class FtpUploadTest : public ::testing::Test {
protected:
    void SetUp() override { m_web.resetFtp({QStringLiteral("rest1")}); }

    QString localFile(const std::string& bytes, const QString& name = QStringLiteral("yedek.sql")) {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return path;
    }
    int upload(const QString& path, const std::string& folder = "rest1") {
        return uploadToWebFolder(m_server, folder, path, QStringLiteral("yedek.sql"), m_boxes).code;
    }
    void expectOneBox(const QString& text, const QString& caption) {
        ASSERT_EQ(m_boxes.shown().size(), 1u);
        EXPECT_EQ(m_boxes.texts().at(0), text);
        EXPECT_EQ(m_boxes.captions().at(0), caption);
    }

    WebServers m_web;
    WebServer m_server = WebServers::server();
    test::ScriptedMessageBoxes m_boxes;
    QTemporaryDir m_dir;
};

TEST_F(FtpUploadTest, PutsTheFileByteForByteOverAnOlderOne) {
    m_web.writeRemoteFile(QStringLiteral("rest1/yedek.sql"), std::string(100, 'x'));
    EXPECT_EQ(upload(localFile(kBinary)), kUploadDone);
    EXPECT_EQ(m_web.remoteFile(QStringLiteral("rest1/yedek.sql")), kBinary);
    EXPECT_TRUE(m_boxes.shown().empty());

    // No old file to delete is no failure either.
    m_web.resetFtp({QStringLiteral("rest1")});
    EXPECT_EQ(upload(localFile("")), kUploadDone);
    EXPECT_TRUE(QFile::exists(WebServers::customerFolders() + "/rest1/yedek.sql"));
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(FtpUploadTest, AMissingCompanyFolderIsNeitherMadeNorReported) {
    const QString path = localFile(kBinary);
    EXPECT_EQ(upload(path, "rest999"), kNoFolder);
    EXPECT_FALSE(QFile::exists(WebServers::customerFolders() + "/rest999"));
    // Names that would land in the customers' folder itself or elsewhere.
    for (const std::string folder : {"", ".", "..", "rest1/..", "../rest1"})
        EXPECT_EQ(upload(path, folder), kNoFolder) << folder;
    EXPECT_FALSE(QFile::exists(WebServers::customerFolders() + "/yedek.sql"));
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(FtpUploadTest, AFailedPutShowsTheServersAnswerAndBothNames) {
    QDir().mkpath(WebServers::customerFolders() + "/rest1/yedek.sql");
    const QString path = localFile(kBinary);
    EXPECT_EQ(upload(path), kPutFailed);
    ASSERT_EQ(m_boxes.shown().size(), 1u);
    const QString text = m_boxes.texts().at(0);
    const QString names = "\nlocalFilePath: " + path + " \n\n RemoteFile: yedek.sql";
    EXPECT_TRUE(text.startsWith(QStringLiteral("550 "))) << text.toStdString();
    EXPECT_TRUE(text.endsWith(names)) << text.toStdString();
    EXPECT_EQ(text.count('\n'), 3);
    EXPECT_EQ(m_boxes.captions().at(0), QStringLiteral("FAILED FtpSetCurrentDirectory"));
}

TEST_F(FtpUploadTest, AMissingLocalFileLeavesTheRemoteOneAlone) {
    m_web.writeRemoteFile(QStringLiteral("rest1/yedek.sql"), "old");
    const QString path = m_dir.filePath(QStringLiteral("nothere.sql"));
    EXPECT_EQ(upload(path), kPutFailed);
    EXPECT_EQ(m_web.remoteFile(QStringLiteral("rest1/yedek.sql")), "old");
    ASSERT_EQ(m_boxes.shown().size(), 1u);
    EXPECT_TRUE(
        m_boxes.texts().at(0).endsWith("\nlocalFilePath: " + path + " \n\n RemoteFile: yedek.sql"));
}

TEST_F(FtpUploadTest, ARefusedLoginIsAFailedConnection) {
    m_server.ftpPassword = QStringLiteral("wrong");
    EXPECT_EQ(upload(localFile(kBinary)), kNoConnection);
    expectOneBox(QStringLiteral("hFtpSession FAILED"), QStringLiteral("FAILED InternetConnect"));
    EXPECT_TRUE(m_web.remoteFile(QStringLiteral("rest1/yedek.sql")).empty());
}

TEST_F(FtpUploadTest, NoServerFailsQuickly) {
    m_server = WebServers::nobodyListening();
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(upload(localFile(kBinary)), kNoConnection);
    EXPECT_LT(clock.elapsed(), 2000);
    expectOneBox(QStringLiteral("hFtpSession FAILED"), QStringLiteral("FAILED InternetConnect"));
}

TEST_F(FtpUploadTest, ASilentServerIsGivenUpOn) {
    QTcpServer silent;
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost));
    m_server.ftpPort = silent.serverPort();
    m_server.transferTimeout = std::chrono::seconds(1);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(upload(localFile(kBinary)), kNoConnection);
    EXPECT_LT(clock.elapsed(), 4000);
    expectOneBox(QStringLiteral("hFtpSession FAILED"), QStringLiteral("FAILED InternetConnect"));
}

TEST_F(FtpUploadTest, TheMenuPageGoesIntoTheMenuFolder) {
    const std::string page = "<html>Men\xfc</html>";
    const QString path = localFile(page, QStringLiteral("digital_menu.html"));
    EXPECT_EQ(uploadMenuFile(m_server, "rest1", path, m_boxes).code, kNoFolder);
    QDir().mkpath(WebServers::customerFolders() + "/rest1/menu");
    m_web.writeRemoteFile(QStringLiteral("rest1/menu/index.html"), "old page, longer than it");
    EXPECT_EQ(uploadMenuFile(m_server, "rest1", path, m_boxes).code, kUploadDone);
    EXPECT_EQ(m_web.remoteFile(QStringLiteral("rest1/menu/index.html")), page);
    EXPECT_TRUE(m_boxes.shown().empty());
}

} // namespace

namespace {

// An upload over an old copy to a host that fails it; `tidy`: the host is
// still there to take away the part it got.
struct FaultyPut {
    const char* fault;
    int result;
    bool tidy;
};

std::string copyOnTheHost(const std::string& bytes, const std::string& fresh) {
    if (bytes == fresh)
        return "the new one";
    return bytes.size() < 100 ? bytes : std::to_string(bytes.size()) + " other bytes";
}

} // namespace

// Whatever goes wrong on the host, its copy stays the old one, whole, and
// the wait is bounded by the time-outs.
TEST_F(FtpUploadTest, aFailedUploadLeavesTheOldCopyWhole) {
    std::string fresh(47704, '\0');
    for (std::size_t i = 0; i < fresh.size(); ++i)
        fresh[i] = static_cast<char>(i % 251);
    const QString path = localFile(fresh, QStringLiteral("stokdef.dat"));
    const FaultyPut cases[] = {
        {"reply:STOR:452", kPutFailed, true},   {"reply:STOR:550", kPutFailed, true},
        {"reply:STOR:421", kPutFailed, true},   {"die-after:4096", kPutFailed, false},
        {"short-store:4096", kPutFailed, true}, {"stall-after:4096", kPutFailed, false},
        {"silent:STOR", kPutFailed, false},     {"rename-keeps-old", kUploadDone, true}};
    for (const FaultyPut& put : cases) {
        test::FaultyWebHost host(test::FaultyWebHost::Side::Ftp, QString::fromLatin1(put.fault));
        ASSERT_TRUE(host.started()) << put.fault;
        host.writeRemoteFile(QStringLiteral("rest1/stokdef.dat"), "old copy");
        WebServer server = host.server(m_server);
        server.transferTimeout = std::chrono::seconds(1);
        m_boxes.clear();
        QElapsedTimer clock;
        clock.start();
        const int result =
            uploadToWebFolder(server, "rest1", path, QStringLiteral("stokdef.dat"), m_boxes).code;
        EXPECT_LT(clock.elapsed(), 3500) << put.fault;
        EXPECT_EQ(result, put.result) << put.fault;
        EXPECT_EQ(copyOnTheHost(host.remoteFile(QStringLiteral("rest1/stokdef.dat")), fresh),
                  put.result == kUploadDone ? "the new one" : "old copy")
            << put.fault;
        EXPECT_EQ(m_boxes.shown().size(), put.result == kUploadDone ? 0U : 1U) << put.fault;
        if (put.tidy) {
            EXPECT_EQ(host.remoteNames(QStringLiteral("rest1")),
                      QStringList{QStringLiteral("stokdef.dat")})
                << put.fault;
        }
    }
}
