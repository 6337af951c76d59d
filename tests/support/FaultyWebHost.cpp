#include "FaultyWebHost.h"

#include "SharedServerFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace parvela::test {

namespace {

constexpr int kStartMilliseconds = 15000;

QString python() {
    // Debian's own interpreter has pyftpdlib; another one first on PATH may not.
    const QString debian = QStringLiteral("/usr/bin/python3");
    return QFileInfo(debian).isExecutable() ? debian : QStringLiteral("python3");
}

} // namespace

FaultyWebHost::FaultyWebHost(Side side, const QString& fault)
    : m_side(side) {
    m_process.setStandardErrorFile(m_dir.filePath(QStringLiteral("server.log")));
    m_process.start(python(), {QStringLiteral(PARVELA_SOURCE_DIR "/tests/support/faulty-web-host"),
                               side == Side::Ftp ? QStringLiteral("ftp") : QStringLiteral("http"),
                               m_dir.path(), fault});
    while (m_process.waitForReadyRead(kStartMilliseconds)) {
        if (m_process.canReadLine()) {
            m_port = m_process.readLine().trimmed().toInt();
            break;
        }
    }
}

FaultyWebHost::~FaultyWebHost() {
    if (running()) {
        m_process.kill();
        m_process.waitForFinished();
    }
}

publishing::WebServer FaultyWebHost::server(publishing::WebServer base) const {
    (m_side == Side::Ftp ? base.ftpPort : base.httpPort) = m_port;
    return base;
}

QString FaultyWebHost::customerFolders() const {
    return m_dir.filePath(QStringLiteral("httpdocs/customer_yedek"));
}

void FaultyWebHost::makeCompanyFolders(const std::vector<QString>& folders) const {
    for (const QString& folder : folders)
        QDir().mkpath(customerFolders() + '/' + folder);
}

std::string FaultyWebHost::remoteFile(const QString& relativePath) const {
    QFile file(customerFolders() + '/' + relativePath);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string("<none>");
}

void FaultyWebHost::writeRemoteFile(const QString& relativePath, const std::string& bytes) const {
    const QString path = customerFolders() + '/' + relativePath;
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

QStringList FaultyWebHost::remoteNames(const QString& companyFolder) const {
    return QDir(customerFolders() + '/' + companyFolder)
        .entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

std::vector<std::string> FaultyWebHost::requests() const {
    return contentsOf(
        numberedFiles(m_dir.path(), QStringLiteral("request-"), QStringLiteral(".txt")));
}

} // namespace parvela::test
