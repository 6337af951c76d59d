#include "BaselineFetch.h"

#include "db/Connector.h"

#include <cppconn/resultset.h>
#include <cppconn/resultset_metadata.h>
#include <memory>

namespace parvela::bench {

namespace {

std::size_t fetchOne(const db::DbConnection& connection, const db::IssuedStatement& statement) {
    const std::unique_ptr<sql::Connection> link = db::openConnection(connection);
    link->setSchema(sql::SQLString(statement.schema));
    const std::unique_ptr<sql::Statement> query(link->createStatement());
    const std::unique_ptr<sql::ResultSet> rows(query->executeQuery(statement.text));
    const unsigned int columns = rows->getMetaData()->getColumnCount();
    std::size_t bytes = 0;
    while (rows->next()) {
        for (unsigned int column = 1; column <= columns; ++column)
            bytes += rows->getString(column).length();
    }
    return bytes;
}

} // namespace

std::size_t fetchAsText(const db::DbConnection& connection,
                        const std::vector<db::IssuedStatement>& statements) {
    std::size_t bytes = 0;
    for (const db::IssuedStatement& statement : statements)
        bytes += fetchOne(connection, statement);
    return bytes;
}

} // namespace parvela::bench
