#pragma once

#include "publishing/WebUpload.h"

#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <string>
#include <vector>

namespace parvela::test {

// An FTP or HTTP server of one test's own that misbehaves as told
// (tests/support/faulty-web-host lists the faults): it may die or stall, so
// it is never the shared web host. Killed when it goes.
class FaultyWebHost {
public:
    enum class Side { Ftp, Http };

    FaultyWebHost(Side side, const QString& fault);
    ~FaultyWebHost();
    FaultyWebHost(const FaultyWebHost&) = delete;
    FaultyWebHost& operator=(const FaultyWebHost&) = delete;

    bool started() const { return m_port != 0; }
    int port() const { return m_port; }
    // `base` with this host's port on its side.
    publishing::WebServer server(publishing::WebServer base) const;
    bool running() const { return m_process.state() == QProcess::Running; }

    // FTP: the customers' folder httpdocs/customer_yedek of the user's home,
    // with the given company folders made.
    QString customerFolders() const;
    void makeCompanyFolders(const std::vector<QString>& folders) const;
    std::string remoteFile(const QString& relativePath) const;
    void writeRemoteFile(const QString& relativePath, const std::string& bytes) const;
    // The names in a company folder, hidden ones too.
    QStringList remoteNames(const QString& companyFolder) const;

    // HTTP: each request's line and headers as received, oldest first.
    std::vector<std::string> requests() const;

private:
    Side m_side;
    QTemporaryDir m_dir;
    QProcess m_process;
    int m_port = 0;
};

} // namespace parvela::test
