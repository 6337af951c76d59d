#include "db/Connector.h"

#include "db/DbConnection.h"
#include "db/ServerChoice.h"

#include <algorithm>
#include <cppconn/driver.h>
#include <cppconn/exception.h>
#include <cppconn/resultset.h>
#include <cppconn/statement.h>
#include <mysql_driver.h>
#include <optional>

namespace parvela::db {

namespace {

// The driver cannot tell an answered statement from the end of the results,
// so the drain asks a bounded number of times: a text yields at most one
// result per statement, plus one for each CALL (and the count of ';' bounds
// the statements). Asking when nothing is pending costs next to nothing.
size_t pendingResultBound(const std::string& text) {
    return 2 * (static_cast<size_t>(std::count(text.begin(), text.end(), ';')) + 2);
}

// Refused, no such host, or no greeting within the connect time-out: the
// server did not take the connection, so another may.
bool noAnswer(int errorCode) {
    constexpr int kCannotConnect = 2002;
    constexpr int kConnectionError = 2003;
    constexpr int kLostAtHandshake = 2013;
    return errorCode == kCannotConnect || errorCode == kConnectionError ||
           errorCode == kUnknownHostError || errorCode == kLostAtHandshake;
}

std::unique_ptr<sql::Connection> connectTo(const DbConnection& connection,
                                           const std::string& host) {
    sql::ConnectOptionsMap options = connectOptions(connection, host);
    return std::unique_ptr<sql::Connection>(
        sql::mysql::get_mysql_driver_instance()->connect(options));
}

} // namespace

std::uint64_t executeAll(sql::Statement& statement, const std::string& text) {
    bool isResultSet = statement.execute(text);
    const std::uint64_t matched = isResultSet ? 0 : statement.getUpdateCount();
    const size_t bound = pendingResultBound(text);
    for (size_t i = 0; i < bound; ++i) {
        if (isResultSet)
            std::unique_ptr<sql::ResultSet>(statement.getResultSet());
        isResultSet = statement.getMoreResults();
    }
    return matched;
}

sql::ConnectOptionsMap connectOptions(const DbConnection& connection) {
    return connectOptions(connection, connection.host());
}

sql::ConnectOptionsMap connectOptions(const DbConnection& connection, const std::string& host) {
    sql::ConnectOptionsMap options;
    options["hostName"] = sql::SQLString("tcp://" + host + ":3306");
    options["userName"] = sql::SQLString(DbConnection::kUser);
    options["password"] = sql::SQLString(connection.password());
    options["CLIENT_MULTI_STATEMENTS"] = true;
    options["OPT_CHARSET_NAME"] = sql::SQLString("utf8mb4");
    // The greeting of a server that accepted the connection but is frozen
    // is waited for this long (libmariadb waits once, without retrying).
    options["OPT_CONNECT_TIMEOUT"] = connection.connectTimeout();
    // A server that stops answering (or a row lock held elsewhere) fails the
    // operation instead of freezing the window.
    options["OPT_READ_TIMEOUT"] = connection.readTimeout();
    options["OPT_WRITE_TIMEOUT"] = connection.readTimeout();
    // UPDATE counts the rows it matched, so that an unchanged save still
    // tells a vanished row from a present one.
    options["CLIENT_FOUND_ROWS"] = true;
    return options;
}

std::unique_ptr<sql::Connection> openConnection(const DbConnection& connection) {
    ServerChoice& servers = connection.servers();
    const std::vector<std::string>& hosts = servers.hosts();
    // The client library would take an empty host for the local socket and
    // might reach another server than the one configured.
    if (hosts.empty())
        throw sql::SQLException("Unknown server host '' (no server address is set)", "HY000",
                                kUnknownHostError);
    const std::size_t first = servers.currentIndex();
    std::optional<sql::SQLException> firstFailure;
    for (std::size_t step = 0; step < hosts.size(); ++step) {
        const std::size_t index = (first + step) % hosts.size();
        try {
            std::unique_ptr<sql::Connection> opened = connectTo(connection, hosts[index]);
            servers.answered(index, first);
            return opened;
        } catch (const sql::SQLException& e) {
            if (!noAnswer(e.getErrorCode()))
                throw;
            if (!firstFailure)
                firstFailure.emplace(e);
        }
    }
    throw *firstFailure;
}

} // namespace parvela::db
