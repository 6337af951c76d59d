#pragma once

#include <QString>

namespace parvela::db {
class DbConnection;
}

namespace parvela::app {

// The main screen's line naming the server the program is on, and the one it
// left when that one did not answer.
QString serverStatusText(const db::DbConnection& connection);

} // namespace parvela::app
