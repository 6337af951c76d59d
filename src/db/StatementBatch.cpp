#include "db/StatementBatch.h"

#include <algorithm>

namespace parvela::db {

Outcome executeAll(const StatementRunner& runner, const Operation& op, std::string_view schemaName,
                   const std::vector<std::string>& statements) {
    Outcome result = Outcome::Completed;
    for (std::size_t first = 0; first < statements.size(); first += kStatementsPerCall) {
        const std::size_t end = std::min(statements.size(), first + kStatementsPerCall);
        std::string call;
        for (std::size_t i = first; i < end; ++i)
            call += statements[i];
        if (runner.execute(op, schemaName, call) == Outcome::Failed)
            result = Outcome::Failed;
    }
    return result;
}

Outcome executeAsOne(const StatementRunner& runner, const Operation& op,
                     std::string_view schemaName, const std::vector<std::string>& statements) {
    // Inside a held transaction a START would commit it: the statements join it.
    if (runner.inTransaction())
        return executeAll(runner, op, schemaName, statements);
    // A failure closes the connection before COMMIT, and the server rolls back.
    std::string call = "START TRANSACTION;";
    for (const std::string& statement : statements)
        call += "\n" + statement;
    call += "\nCOMMIT;";
    return runner.execute(op, schemaName, call);
}

} // namespace parvela::db
