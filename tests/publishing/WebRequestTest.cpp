#include "FaultyWebHost.h"
#include "TestSettings.h"
#include "WebServers.h"
#include "publishing/WebUpload.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTcpServer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace parvela;
using namespace parvela::publishing;
using parvela::test::WebServers;

namespace {

class WebRequestTest : public ::testing::Test {
protected:
    void SetUp() override { m_web.resetHttp(); }

    std::string response() const {
        QFile file(m_response);
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "(none)";
    }
    void writeResponse(const std::string& bytes) const {
        QFile file(m_response);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
    // The first line of the only request that arrived.
    std::string requestLine() const {
        const auto received = m_web.requests();
        return received.size() == 1 ? received[0].substr(0, received[0].find("\r\n")) : "";
    }

    WebServers m_web;
    WebServer m_server = WebServers::server();
    QTemporaryDir m_dir;
    QString m_response = m_dir.filePath(QStringLiteral("response.dat"));
};

TEST_F(WebRequestTest, TheStockInsertRequestArrivesAsBuilt) {
    const std::string path = stockInsertRequest(1203, "rest1");
    EXPECT_EQ(path, "/insert_stok_tanim.php/?Isletme=1203&StockDefFile=/customer_yedek/rest1/"
                    "stokdeffile.txt");
    EXPECT_EQ(sendWebRequest(m_server, path, m_response).code, 0);
    EXPECT_EQ(requestLine(),
              "GET /insert_stok_tanim.php/?Isletme=1203&StockDefFile=/customer_yedek/"
              "rest1/stokdeffile.txt HTTP/1.1");
    const std::string request = m_web.requests().at(0);
    for (const char* header :
         {"\r\nUser-Agent: Mozilla/4.0 (compatible; MSIE 6.0; MS Web Services Client Protocol "
          "2.0.50727.4927)\r\n",
          "\r\nCache-Control: no-cache\r\n", "\r\nPragma: no-cache\r\n", "\r\nHost: 127.0.0.1:"})
        EXPECT_NE(request.find(header), std::string::npos) << header << "\n" << request;
    EXPECT_EQ(request.find("Accept:"), std::string::npos) << request;
}

TEST_F(WebRequestTest, TheUploadNoticeCarriesTheSynchId) {
    const std::string path = uploadNotice(1203, synchIdOf(1203, 7), 2);
    EXPECT_EQ(path, "/upload_stok_tanim.php/?Isletme=1203&SynchId=12037&FromSube=2");
    EXPECT_EQ(sendWebRequest(m_server, path, m_response).code, 0);
    EXPECT_EQ(requestLine(), "GET /upload_stok_tanim.php/?Isletme=1203&SynchId=12037&FromSube=2 "
                             "HTTP/1.1");
    EXPECT_EQ(uploadNotice(7, 4294967295u, -1),
              "/upload_stok_tanim.php/?Isletme=7&SynchId=4294967295&FromSube=-1");
}

TEST_F(WebRequestTest, TheBodyIsKeptWithOneNul) {
    writeResponse("an older and longer answer");
    m_web.resetHttp(std::string("OK\0\xff", 4));
    EXPECT_EQ(sendWebRequest(m_server, "/a.php/?b=1", m_response).code, 0);
    EXPECT_EQ(response(), std::string("OK\0\xff\0", 5));

    m_web.resetHttp();
    EXPECT_EQ(sendWebRequest(m_server, "/a.php/?b=1", m_response).code, 0);
    EXPECT_EQ(response(), std::string(1, '\0'));
}

TEST_F(WebRequestTest, AFailedRequestLeavesTheOldResponse) {
    writeResponse("old");
    EXPECT_EQ(sendWebRequest(WebServers::nobodyListening(), "/a.php/?b=1", m_response).code,
              kNoConnection);
    EXPECT_EQ(response(), "old");

    // A blank or a line break would break the request line.
    for (const std::string path : {"/a.php/?f=my folder", "/a.php/?b=1\r\nX: y", "", "a.php"})
        EXPECT_EQ(sendWebRequest(m_server, path, m_response).code, kNoRequest) << path;
    EXPECT_EQ(response(), "old");
    EXPECT_TRUE(m_web.requests().empty());
}

TEST_F(WebRequestTest, ASilentServerIsGivenUpOn) {
    writeResponse("old");
    QTcpServer silent;
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost));
    m_server.httpPort = silent.serverPort();
    m_server.transferTimeout = std::chrono::seconds(1);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(sendWebRequest(m_server, "/a.php/?b=1", m_response).code, kNoRequest);
    EXPECT_LT(clock.elapsed(), 4000);
    EXPECT_EQ(response(), "old");
}

// Only a 2xx answer is a request done: any other status, an answer that is
// no HTTP, none at all or a silent server fails with the reason, within the
// time-out, and leaves the old response.
TEST_F(WebRequestTest, anythingButA2xxAnswerFailsWithTheReason) {
    const struct {
        const char* fault;
        int result;
        const char* reason;
    } cases[] = {{"status:201", 0, ""},
                 {"status:500", kRequestRefused, "HTTP 500"},
                 {"status:404", kRequestRefused, "HTTP 404"},
                 {"status:302", kRequestRefused, "HTTP 302"},
                 {"garbage", kNoRequest, "*"},
                 {"nothing", kNoRequest, "*"},
                 {"silent", kNoRequest, "*"}};
    for (const auto& answer : cases) {
        writeResponse("old");
        test::FaultyWebHost host(test::FaultyWebHost::Side::Http,
                                 QString::fromLatin1(answer.fault));
        ASSERT_TRUE(host.started()) << answer.fault;
        WebServer server = host.server(m_server);
        server.transferTimeout = std::chrono::seconds(1);
        QElapsedTimer clock;
        clock.start();
        const WebResult result = sendWebRequest(server, "/insert_stok_tanim.php/?a=1", m_response);
        EXPECT_LT(clock.elapsed(), 3000) << answer.fault;
        EXPECT_EQ(host.requests().size(), 1U) << answer.fault;
        EXPECT_EQ(result.code, answer.result) << answer.fault;
        if (std::string(answer.reason) == "*")
            EXPECT_FALSE(result.reason.isEmpty()) << answer.fault;
        else
            EXPECT_EQ(result.reason.toStdString(), answer.reason) << answer.fault;
        EXPECT_EQ(response(), result.ok() ? std::string("OK\0", 3) : "old") << answer.fault;
    }
}

TEST(WebServerSettingsTest, DefaultsAndSetValues) {
    test::TestSettings defaults({{QStringLiteral("Web/host"), QStringLiteral(" web.example ")}});
    const WebServer plain = WebServer::fromSettings(defaults);
    EXPECT_EQ(plain.host, QStringLiteral("web.example"));
    EXPECT_EQ(plain.ftpUser, QStringLiteral("korvasiltem"));
    EXPECT_EQ(plain.ftpPassword, QStringLiteral("rKte7m41"));
    EXPECT_EQ(plain.ftpPort, 21);
    EXPECT_EQ(plain.httpPort, 80);
    EXPECT_EQ(plain.connectTimeout, std::chrono::seconds(10));
    EXPECT_EQ(plain.transferTimeout, std::chrono::seconds(120));

    test::TestSettings set({{QStringLiteral("Web/ftpUser"), QStringLiteral("u")},
                            {QStringLiteral("Web/ftpPassword"), QStringLiteral("p")},
                            {QStringLiteral("Web/ftpPort"), QStringLiteral("2121")},
                            {QStringLiteral("Web/httpPort"), QStringLiteral("70000")},
                            {QStringLiteral("Web/connectTimeout"), QStringLiteral("3")},
                            {QStringLiteral("Web/transferTimeout"), QStringLiteral("x")}});
    const WebServer server = WebServer::fromSettings(set);
    EXPECT_EQ(server.ftpUser, QStringLiteral("u"));
    EXPECT_EQ(server.ftpPassword, QStringLiteral("p"));
    EXPECT_EQ(server.ftpPort, 2121);
    EXPECT_EQ(server.httpPort, 80);
    EXPECT_EQ(server.connectTimeout, std::chrono::seconds(3));
    EXPECT_EQ(server.transferTimeout, std::chrono::seconds(120));
}

} // namespace
