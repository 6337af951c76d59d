#pragma once

#include "db/StatementJournal.h"

#include <cstddef>
#include <vector>

namespace parvela::db {
class DbConnection;
}
namespace sql {
class Connection;
}

namespace parvela::bench {

// What the client library alone costs for the statements of one load: a
// connection each with the program's options, every row fetched and every
// column read as text. The number of bytes read; throws sql::SQLException.
std::size_t fetchAsText(const db::DbConnection& connection,
                        const std::vector<db::IssuedStatement>& statements);

// What the client library alone costs for the statements of one save on a
// connection kept open (made with the program's options), as the program
// keeps its own: each statement sent as the program sends it and every
// result fetched. Throws sql::SQLException.
void executeOnConnection(sql::Connection& link, const std::vector<db::IssuedStatement>& statements);

} // namespace parvela::bench
