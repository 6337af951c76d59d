#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <string>
#include <vector>

class QSettings;

namespace parvela::platform {

struct ServerAddress {
    // 0 read, -1 the value is missing or unusable, -2 there is no server group.
    int result = -2;
    std::string host;
};

// The one place that reads the program's settings. On Windows the native
// format of QSettings("Tolvarian", "Orvanta") is the registry key the rest of
// the suite shares; elsewhere it is an INI file.
class Settings {
public:
    Settings();
    explicit Settings(const QString& iniPath);
    ~Settings();
    Settings(const Settings&) = delete;
    Settings& operator=(const Settings&) = delete;

    static constexpr int kMaxHostLength = 39;

    ServerAddress serverAddress() const;
    // Further servers of the same cluster, tried in order after Server/ipno;
    // an address longer than kMaxHostLength is left out, not cut.
    std::vector<std::string> otherHosts() const;
    // The passwords every program of the suite tries, in this order.
    std::string firstDatabasePassword() const;
    std::string secondDatabasePassword() const;
    // Seconds a statement waits for an answer before it fails (30 unless set).
    int readTimeoutSeconds() const;
    // Seconds a connection waits for the server's greeting (5 unless set).
    int connectTimeoutSeconds() const;
    // Computer names on which the login is skipped.
    QStringList developerMachines() const;
    // The folder that stands for the system drive of the original platform.
    QString dataRoot() const;
    // The login of command-line runs when none is given with the command.
    QString batchUser() const;
    std::string batchPassword() const;
    // The print spooler's address or socket path; empty means the system's.
    QString printServer() const;

    QString value(const QString& key, const QString& fallback = {}) const;
    void setValue(const QString& key, const QString& value);
    void sync();

private:
    std::unique_ptr<QSettings> m_settings;
};

} // namespace parvela::platform
