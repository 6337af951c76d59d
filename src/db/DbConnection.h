#pragma once

#include <chrono>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace sql {
class Connection;
}

namespace parvela::platform {
class Settings;
}

namespace parvela::db {

class ServerChoice;

// A connection just opened, and when it last spoke with the server.
struct OpenedConnection {
    std::shared_ptr<sql::Connection> connection;
    std::chrono::steady_clock::time_point lastUsed;
};

// Where a data owner's operations connect, and with which of the suite's two
// passwords. Built once per owner; never shows anything and never fails: an
// unreachable server is reported later by each operation under its own tag.
class DbConnection {
public:
    static constexpr const char* kUser = "root";

    explicit DbConnection(const platform::Settings& settings);
    ~DbConnection();
    DbConnection(const DbConnection&) = delete;
    DbConnection& operator=(const DbConnection&) = delete;

    // 0 read, -1 value missing or unusable, -2 no server group; host stays
    // empty unless 0. Server/otherHosts follow Server/ipno.
    int readServerAddress(const platform::Settings& settings);
    // "tcp://" + host + ":3306"; returns its length.
    int buildUrl();
    // A probe connection with the stored password: 0, or the driver's error code.
    int connect();

    // The server the owner is on: Server/ipno until it did not answer.
    std::string host() const;
    // The server that did not answer when the program moved to host().
    std::string hostLeftBehind() const;
    ServerChoice& servers() const { return *m_servers; }
    const std::string& url() const { return m_url; }
    const std::string& password() const { return m_password; }
    // Seconds a statement may wait for the server before it fails.
    int readTimeout() const { return m_readTimeout; }
    // Seconds a new connection waits for the server's greeting.
    int connectTimeout() const { return m_connectTimeout; }

    // The probe's connection, when this thread made it: the first operation
    // goes on it instead of opening another.
    OpenedConnection takeProbe() const;

private:
    void choosePassword(const platform::Settings& settings);

    std::string m_host;
    std::string m_url;
    std::string m_password;
    std::shared_ptr<ServerChoice> m_servers;
    int m_readTimeout = 30;
    int m_connectTimeout = 5;

    mutable std::mutex m_probeMutex;
    mutable OpenedConnection m_probe;
    std::thread::id m_probeThread;
};

} // namespace parvela::db
