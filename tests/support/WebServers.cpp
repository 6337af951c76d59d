#include "WebServers.h"

#include "SharedServerFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTcpServer>
#include <map>

namespace parvela::test {

namespace {

QString webFolder() {
    return fromEnvironment("PARVELA_WEB_DIR", QStringLiteral(PARVELA_SOURCE_DIR "/.local/web"));
}

QString requestFolder() {
    return webFolder() + QStringLiteral("/http/requests");
}

void writeFile(const QString& path, const std::string& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

// request-N.txt by N; the server renames a request into place once written.
std::map<int, QString> requestFiles() {
    return numberedFiles(requestFolder(), QStringLiteral("request-"), QStringLiteral(".txt"));
}

} // namespace

WebServers::WebServers() {
    static const bool locked = lockForThisProgram("parvela-test-web");
    (void)locked;
}

publishing::WebServer WebServers::server() {
    publishing::WebServer server;
    server.host = QStringLiteral("127.0.0.1");
    server.ftpPort = fromEnvironment("PARVELA_FTP_PORT", QStringLiteral("2121")).toInt();
    server.httpPort = fromEnvironment("PARVELA_HTTP_PORT", QStringLiteral("8080")).toInt();
    server.connectTimeout = std::chrono::seconds(2);
    server.transferTimeout = std::chrono::seconds(5);
    return server;
}

publishing::WebServer WebServers::nobodyListening() {
    publishing::WebServer server = WebServers::server();
    // A port just given up by a listener of our own stays free for a while.
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    server.ftpPort = server.httpPort = probe.serverPort();
    probe.close();
    return server;
}

QString WebServers::customerFolders() {
    return webFolder() + QStringLiteral("/ftp/httpdocs/customer_yedek");
}

void WebServers::resetFtp(const std::vector<QString>& companyFolders) const {
    QDir(customerFolders()).removeRecursively();
    QDir().mkpath(customerFolders());
    for (const QString& folder : companyFolders)
        QDir().mkpath(customerFolders() + '/' + folder);
}

std::string WebServers::remoteFile(const QString& relativePath) const {
    QFile file(customerFolders() + '/' + relativePath);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

void WebServers::writeRemoteFile(const QString& relativePath, const std::string& bytes) const {
    writeFile(customerFolders() + '/' + relativePath, bytes);
}

void WebServers::resetHttp(const std::string& body) const {
    for (const auto& [number, path] : requestFiles())
        QFile::remove(path);
    writeFile(webFolder() + QStringLiteral("/http/next-body"), body);
}

std::vector<std::string> WebServers::requests() const {
    return contentsOf(requestFiles());
}

} // namespace parvela::test
