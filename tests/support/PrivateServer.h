#pragma once

#include <QString>
#include <QTemporaryDir>

namespace parvela::test {

// A MariaDB of this test program's own on `address`:3306, with the suite's
// schemas, to stop and freeze (SIGSTOP) where the shared one must stay up.
// Run by tests/support/private-server; the destructor thaws and stops it.
class PrivateServer {
public:
    explicit PrivateServer(QString address);
    ~PrivateServer();
    PrivateServer(const PrivateServer&) = delete;
    PrivateServer& operator=(const PrivateServer&) = delete;

    const QString& address() const { return m_address; }
    // Installs the data folder on the first start only.
    void start();
    void stop();
    void freeze();
    void thaw();

private:
    void run(const QString& action) const;

    QString m_address;
    QTemporaryDir m_dir{QStringLiteral("/tmp/pv-private-XXXXXX")};
    int m_lock = -1;
};

} // namespace parvela::test
