#pragma once

// Private to src/db: the only place that opens Connector/C++ connections.

#include <cppconn/connection.h>
#include <cppconn/statement.h>
#include <cstdint>
#include <memory>
#include <string>

namespace parvela::db {

class DbConnection;

// Error code of libmariadb for a server host it cannot resolve.
inline constexpr int kUnknownHostError = 2005;
inline constexpr int kAccessDeniedError = 1045;

// What openConnection hands the driver: server (the current one unless
// given), user, password, options and the connect and read/write time-outs.
sql::ConnectOptionsMap connectOptions(const DbConnection& connection);
sql::ConnectOptionsMap connectOptions(const DbConnection& connection, const std::string& host);

// A new connection to the current server of `connection` with its password,
// several statements per execute allowed and utf8mb4 text. A server that
// refuses or does not answer in the connect time-out passes the turn to the
// next one of its cluster (each tried once); the one that answers becomes
// the current one. Throws sql::SQLException, the first server's failure
// when none answers.
std::unique_ptr<sql::Connection> openConnection(const DbConnection& connection);

// Executes a text of one or more statements and fetches every result, so
// that an error in any statement is thrown and the connection stays in step.
// Returns the number of rows the first statement matched.
std::uint64_t executeAll(sql::Statement& statement, const std::string& text);

} // namespace parvela::db
