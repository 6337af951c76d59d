#include "db/Connector.h"

#include "db/DbConnection.h"

#include <cppconn/driver.h>
#include <cppconn/exception.h>
#include <mysql_driver.h>

namespace parvela::db {

namespace {
constexpr int kConnectTimeoutSeconds = 5;
}

std::unique_ptr<sql::Connection> openConnection(const DbConnection& connection) {
    // The client library would take an empty host for the local socket and
    // might reach another server than the one configured.
    if (connection.host().empty())
        throw sql::SQLException("Unknown server host '' (no server address is set)", "HY000",
                                kUnknownHostError);
    sql::ConnectOptionsMap options;
    options["hostName"] = sql::SQLString(connection.url());
    options["userName"] = sql::SQLString(DbConnection::kUser);
    options["password"] = sql::SQLString(connection.password());
    options["CLIENT_MULTI_STATEMENTS"] = true;
    options["OPT_CHARSET_NAME"] = sql::SQLString("utf8mb4");
    options["OPT_CONNECT_TIMEOUT"] = kConnectTimeoutSeconds;
    return std::unique_ptr<sql::Connection>(
        sql::mysql::get_mysql_driver_instance()->connect(options));
}

} // namespace parvela::db
