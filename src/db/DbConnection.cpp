#include "db/DbConnection.h"

#include "db/Connector.h"
#include "db/ServerChoice.h"
#include "platform/Settings.h"

#include <cppconn/connection.h>
#include <cppconn/exception.h>
#include <utility>
#include <vector>

namespace parvela::db {

namespace {
constexpr size_t kUrlTextMax = 127;
}

DbConnection::DbConnection(const platform::Settings& settings)
    : m_readTimeout(settings.readTimeoutSeconds())
    , m_connectTimeout(settings.connectTimeoutSeconds()) {
    readServerAddress(settings);
    buildUrl();
    choosePassword(settings);
}

DbConnection::~DbConnection() = default;

int DbConnection::readServerAddress(const platform::Settings& settings) {
    const platform::ServerAddress address = settings.serverAddress();
    m_host = address.result == 0 ? address.host : std::string();
    std::vector<std::string> hosts;
    if (!m_host.empty()) {
        hosts.push_back(m_host);
        for (std::string& other : settings.otherHosts()) {
            if (other != m_host)
                hosts.push_back(std::move(other));
        }
    }
    m_servers = ServerChoice::of(hosts);
    return address.result;
}

int DbConnection::buildUrl() {
    m_url = ("tcp://" + m_host + ":3306").substr(0, kUrlTextMax);
    return static_cast<int>(m_url.size());
}

std::string DbConnection::host() const {
    return m_servers->current();
}

std::string DbConnection::hostLeftBehind() const {
    return m_servers->leftBehind();
}

int DbConnection::connect() {
    try {
        // The probe decides the password; its connection then serves the
        // owner's first operation on this thread.
        std::shared_ptr<sql::Connection> probe = openConnection(*this);
        const std::lock_guard lock(m_probeMutex);
        m_probe = {std::move(probe), std::chrono::steady_clock::now()};
        m_probeThread = std::this_thread::get_id();
        return 0;
    } catch (const sql::SQLException& e) {
        return e.getErrorCode();
    }
}

OpenedConnection DbConnection::takeProbe() const {
    const std::lock_guard lock(m_probeMutex);
    if (m_probeThread != std::this_thread::get_id())
        return {};
    return std::exchange(m_probe, {});
}

void DbConnection::choosePassword(const platform::Settings& settings) {
    m_password = settings.firstDatabasePassword();
    if (connect() == kAccessDeniedError) {
        m_password = settings.secondDatabasePassword();
        connect();
    }
}

} // namespace parvela::db
