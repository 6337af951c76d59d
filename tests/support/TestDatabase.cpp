#include "TestDatabase.h"

#include "db/Connector.h"

#include <QProcess>
#include <algorithm>
#include <cppconn/driver.h>
#include <cppconn/resultset.h>
#include <cppconn/resultset_metadata.h>
#include <cppconn/statement.h>
#include <memory>
#include <mysql_driver.h>
#include <pwd.h>
#include <stdexcept>
#include <unistd.h>

namespace parvela::test {

namespace {

const char* const kSuiteSchemas =
    "'stocks','groups','oturum','tabledot','company','barcode','imalatkazani','users',"
    "'subetransfer','parvela_journal'";

std::string socketPath() {
    if (const char* path = std::getenv("PARVELA_DB_SOCKET"))
        return path;
    return "/tmp/parvela-mariadb-" + std::to_string(getuid()) + ".sock";
}

std::string osUser() {
    const passwd* entry = getpwuid(getuid());
    return entry ? entry->pw_name : "root";
}

std::unique_ptr<sql::Connection> adminConnection() {
    sql::ConnectOptionsMap options;
    options["hostName"] = sql::SQLString("unix://" + socketPath());
    options["userName"] = sql::SQLString(osUser());
    options["password"] = sql::SQLString("");
    options["CLIENT_MULTI_STATEMENTS"] = true;
    options["OPT_CHARSET_NAME"] = sql::SQLString("utf8mb4");
    return std::unique_ptr<sql::Connection>(
        sql::mysql::get_mysql_driver_instance()->connect(options));
}

// Every base table of the suite's schemas, as schema.table.
std::vector<std::string> suiteTables() {
    std::vector<std::string> tables;
    for (const auto& row :
         TestDatabase::query(std::string("SELECT TABLE_SCHEMA, TABLE_NAME FROM "
                                         "information_schema.TABLES WHERE TABLE_SCHEMA IN (") +
                             kSuiteSchemas + ") AND TABLE_TYPE = 'BASE TABLE'"))
        tables.push_back("`" + row[0] + "`.`" + row[1] + "`");
    return tables;
}

std::string seedCopyOf(const std::string& table) {
    std::string name = table;
    std::erase(name, '`');
    std::replace(name.begin(), name.end(), '.', '$');
    return "parvela_seed.`" + name + "`";
}

struct SeedState {
    std::vector<std::string> tables;
    std::vector<std::string> seeded;
};

SeedState& seedState() {
    static SeedState state;
    return state;
}

} // namespace

QString TestDatabase::repoRoot() {
    return QStringLiteral(PARVELA_SOURCE_DIR);
}

void TestDatabase::loadSchema() {
    QProcess load;
    load.setProcessChannelMode(QProcess::ForwardedChannels);
    load.start(QStringLiteral("bash"),
               {repoRoot() + QStringLiteral("/scripts/db-load"), QStringLiteral("--schema-only")});
    if (!load.waitForFinished(120000) || load.exitCode() != 0)
        throw std::runtime_error("scripts/db-load --schema-only failed");

    SeedState& state = seedState();
    state.tables = suiteTables();
    state.seeded.clear();
    exec("DROP DATABASE IF EXISTS parvela_seed; CREATE DATABASE parvela_seed;");
    for (const std::string& table : state.tables) {
        if (count(table) == 0)
            continue;
        exec("CREATE TABLE " + seedCopyOf(table) + " AS SELECT * FROM " + table);
        state.seeded.push_back(table);
    }
}

void TestDatabase::reset() {
    const SeedState& state = seedState();
    std::string sql = "SET FOREIGN_KEY_CHECKS=0;";
    for (const std::string& table : state.tables)
        sql += "TRUNCATE TABLE " + table + ";";
    for (const std::string& table : state.seeded)
        sql += "INSERT INTO " + table + " SELECT * FROM " + seedCopyOf(table) + ";";
    sql += "SET FOREIGN_KEY_CHECKS=1;";
    exec(sql);
}

void TestDatabase::exec(const std::string& sql) {
    const auto connection = adminConnection();
    const std::unique_ptr<sql::Statement> statement(connection->createStatement());
    db::executeAll(*statement, sql);
}

TestDatabase::Rows TestDatabase::query(const std::string& sql) {
    const auto connection = adminConnection();
    const std::unique_ptr<sql::Statement> statement(connection->createStatement());
    const std::unique_ptr<sql::ResultSet> result(statement->executeQuery(sql));
    const auto columns = result->getMetaData()->getColumnCount();
    Rows rows;
    while (result->next()) {
        std::vector<std::string>& row = rows.emplace_back();
        for (unsigned int c = 1; c <= columns; ++c)
            row.push_back(result->isNull(c) ? std::string("NULL")
                                            : std::string(result->getString(c)));
    }
    return rows;
}

std::string TestDatabase::scalar(const std::string& sql) {
    const Rows rows = query(sql);
    if (rows.empty() || rows.front().empty())
        throw std::runtime_error("no value from: " + sql);
    return rows.front().front();
}

long long TestDatabase::count(const std::string& table) {
    return std::stoll(scalar("SELECT COUNT(*) FROM " + table));
}

void TestDatabase::setRootPassword(const std::string& password) {
    exec("ALTER USER 'root'@'127.0.0.1' IDENTIFIED BY '" + password + "'; FLUSH PRIVILEGES;");
}

long long TestDatabase::abortedConnects() {
    return std::stoll(query("SHOW GLOBAL STATUS LIKE 'Aborted_connects'").at(0).at(1));
}

} // namespace parvela::test
