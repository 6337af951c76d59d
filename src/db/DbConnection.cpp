#include "db/DbConnection.h"

#include "db/Connector.h"
#include "platform/Settings.h"

#include <cppconn/exception.h>

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

int DbConnection::readServerAddress(const platform::Settings& settings) {
    const platform::ServerAddress address = settings.serverAddress();
    m_host = address.result == 0 ? address.host : std::string();
    return address.result;
}

int DbConnection::buildUrl() {
    m_url = ("tcp://" + m_host + ":3306").substr(0, kUrlTextMax);
    return static_cast<int>(m_url.size());
}

int DbConnection::connect() {
    try {
        // The probe only decides the password; operations open their own.
        openConnection(*this)->close();
        return 0;
    } catch (const sql::SQLException& e) {
        return e.getErrorCode();
    }
}

void DbConnection::choosePassword(const platform::Settings& settings) {
    m_password = settings.firstDatabasePassword();
    if (connect() == kAccessDeniedError) {
        m_password = settings.secondDatabasePassword();
        connect();
    }
}

} // namespace parvela::db
