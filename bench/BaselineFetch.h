#pragma once

#include "db/StatementJournal.h"

#include <cstddef>
#include <vector>

namespace parvela::db {
class DbConnection;
}

namespace parvela::bench {

// What the client library alone costs for the statements of one load: a
// connection each with the program's options, every row fetched and every
// column read as text. The number of bytes read; throws sql::SQLException.
std::size_t fetchAsText(const db::DbConnection& connection,
                        const std::vector<db::IssuedStatement>& statements);

// What the client library alone costs for the statements of one save: one
// connection with the program's options, each statement sent as the program
// sends it and every result fetched. Throws sql::SQLException.
void executeOnOneConnection(const db::DbConnection& connection,
                            const std::vector<db::IssuedStatement>& statements);

} // namespace parvela::bench
