#include "db/DatabaseThread.h"

#include <cppconn/driver.h>
#include <mysql_driver.h>

namespace parvela::db {

DatabaseThread::DatabaseThread() {
    sql::mysql::get_mysql_driver_instance()->threadInit();
}

DatabaseThread::~DatabaseThread() {
    sql::mysql::get_mysql_driver_instance()->threadEnd();
}

} // namespace parvela::db
