#include "WebServers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTcpServer>
#include <fcntl.h>
#include <map>
#include <sys/file.h>
#include <unistd.h>

namespace parvela::test {

namespace {

QString fromEnvironment(const char* name, const QString& fallback) {
    const QString value = qEnvironmentVariable(name);
    return value.isEmpty() ? fallback : value;
}

QString webFolder() {
    return fromEnvironment("PARVELA_WEB_DIR", QStringLiteral(PARVELA_SOURCE_DIR "/.local/web"));
}

QString requestFolder() {
    return webFolder() + QStringLiteral("/http/requests");
}

void lockTheServers() {
    static const bool locked = [] {
        const std::string path = "/tmp/parvela-test-web-" + std::to_string(getuid()) + ".lock";
        const int fd = open(path.c_str(), O_CREAT | O_RDWR | O_CLOEXEC, 0600);
        return fd >= 0 && flock(fd, LOCK_EX) == 0;
    }();
    (void)locked;
}

void writeFile(const QString& path, const std::string& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

// request-N.txt by N; the server renames a request into place once written.
std::map<int, QString> requestFiles() {
    std::map<int, QString> files;
    const QDir dir(requestFolder());
    for (const QString& name : dir.entryList({QStringLiteral("request-*.txt")}, QDir::Files)) {
        bool ok = false;
        const int number = name.mid(8, name.size() - 12).toInt(&ok);
        if (ok)
            files.emplace(number, dir.filePath(name));
    }
    return files;
}

} // namespace

WebServers::WebServers() {
    lockTheServers();
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
    std::vector<std::string> received;
    for (const auto& [number, path] : requestFiles()) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            received.push_back(file.readAll().toStdString());
    }
    return received;
}

} // namespace parvela::test
