#include "PrivateServer.h"

#include "TestDatabase.h"

#include <QProcess>
#include <fcntl.h>
#include <stdexcept>
#include <sys/file.h>
#include <unistd.h>

namespace parvela::test {

PrivateServer::PrivateServer(QString address)
    : m_address(std::move(address)) {
    // Another checkout's run of the same test would want the same address.
    const QString lockPath = QStringLiteral("/tmp/pv-private-%1.lock").arg(m_address);
    m_lock = ::open(lockPath.toLocal8Bit().constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (m_lock < 0 || ::flock(m_lock, LOCK_EX) != 0)
        throw std::runtime_error("private server: no lock " + lockPath.toStdString());
}

PrivateServer::~PrivateServer() {
    try {
        stop();
    } catch (const std::exception&) {
        // Nothing more to do about a server that would not stop.
    }
    ::close(m_lock);
}

void PrivateServer::start() {
    run(QStringLiteral("start"));
}

void PrivateServer::stop() {
    run(QStringLiteral("stop"));
}

void PrivateServer::freeze() {
    run(QStringLiteral("freeze"));
}

void PrivateServer::thaw() {
    run(QStringLiteral("thaw"));
}

void PrivateServer::run(const QString& action) const {
    QProcess script;
    script.setProcessChannelMode(QProcess::ForwardedChannels);
    script.start(TestDatabase::repoRoot() + QStringLiteral("/tests/support/private-server"),
                 {action, m_dir.path(), m_address});
    if (!script.waitForFinished(120000) || script.exitCode() != 0)
        throw std::runtime_error("private-server " + action.toStdString() + " failed");
}

} // namespace parvela::test
