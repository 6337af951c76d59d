#pragma once

#include <string>

namespace parvela::platform {
class Settings;
}

namespace parvela::db {

// Where a data owner's operations connect, and with which of the suite's two
// passwords. Built once per owner; never shows anything and never fails: an
// unreachable server is reported later by each operation under its own tag.
class DbConnection {
public:
    static constexpr const char* kUser = "root";

    explicit DbConnection(const platform::Settings& settings);

    // 0 read, -1 value missing or unusable, -2 no server group; host stays
    // empty unless 0.
    int readServerAddress(const platform::Settings& settings);
    // "tcp://" + host + ":3306"; returns its length.
    int buildUrl();
    // A probe connection with the stored password: 0, or the driver's error code.
    int connect();

    const std::string& host() const { return m_host; }
    const std::string& url() const { return m_url; }
    const std::string& password() const { return m_password; }
    // Seconds a statement may wait for the server before it fails.
    int readTimeout() const { return m_readTimeout; }
    // Seconds a new connection waits for the server's greeting.
    int connectTimeout() const { return m_connectTimeout; }

private:
    void choosePassword(const platform::Settings& settings);

    std::string m_host;
    std::string m_url;
    std::string m_password;
    int m_readTimeout = 30;
    int m_connectTimeout = 5;
};

} // namespace parvela::db
