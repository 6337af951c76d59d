#include "db/DatabaseThread.h"

#include "db/StatementRunner.h"

#include <cppconn/driver.h>
#include <mysql_driver.h>

namespace parvela::db {

DatabaseThread::DatabaseThread() {
    sql::mysql::get_mysql_driver_instance()->threadInit();
}

DatabaseThread::~DatabaseThread() {
    // Before the client library lets go of the thread.
    StatementRunner::closeThisThreadsConnections();
    sql::mysql::get_mysql_driver_instance()->threadEnd();
}

} // namespace parvela::db
