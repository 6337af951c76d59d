#include "BaselineFetch.h"

#include "db/Connector.h"

#include <cppconn/resultset.h>
#include <cppconn/resultset_metadata.h>
#include <memory>

namespace parvela::bench {

namespace {

std::size_t readAll(sql::Statement& query, const std::string& text) {
    const std::unique_ptr<sql::ResultSet> rows(query.executeQuery(text));
    const unsigned int columns = rows->getMetaData()->getColumnCount();
    std::size_t bytes = 0;
    while (rows->next()) {
        for (unsigned int column = 1; column <= columns; ++column)
            bytes += rows->getString(column).length();
    }
    return bytes;
}

std::size_t fetchOne(const db::DbConnection& connection, const db::IssuedStatement& statement) {
    const std::unique_ptr<sql::Connection> link = db::openConnection(connection);
    link->setSchema(sql::SQLString(statement.schema));
    const std::unique_ptr<sql::Statement> query(link->createStatement());
    return readAll(*query, statement.text);
}

} // namespace

std::size_t fetchAsText(const db::DbConnection& connection,
                        const std::vector<db::IssuedStatement>& statements) {
    std::size_t bytes = 0;
    for (const db::IssuedStatement& statement : statements)
        bytes += fetchOne(connection, statement);
    return bytes;
}

void executeOnConnection(sql::Connection& link,
                         const std::vector<db::IssuedStatement>& statements) {
    const std::unique_ptr<sql::Statement> statement(link.createStatement());
    std::string schema;
    for (const db::IssuedStatement& issued : statements) {
        if (issued.schema != schema)
            link.setSchema(sql::SQLString(schema = issued.schema));
        if (issued.text.starts_with("SELECT"))
            readAll(*statement, issued.text);
        else
            db::executeAll(*statement, issued.text);
    }
}

} // namespace parvela::bench
