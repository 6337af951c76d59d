#pragma once

#include "db/StatementRunner.h"

#include <string>
#include <vector>

namespace parvela::db {

// Statements a call sends at most: enough to make one call of the usual
// group, small enough for the server's packet limit.
inline constexpr std::size_t kStatementsPerCall = 1000;

// Sends the statements of one kind, each as it stands, joined into as few
// calls as kStatementsPerCall allows, in order. Nothing is sent for none.
// Failed when a call failed (and said so); the other calls are still sent.
Outcome executeAll(const StatementRunner& runner, const Operation& op, std::string_view schemaName,
                   const std::vector<std::string>& statements);

// Sends the statements in one call as one transaction: when one fails the
// server undoes the earlier ones, so a rewrite never leaves half its rows.
// Inside a held Transaction they simply join it.
Outcome executeAsOne(const StatementRunner& runner, const Operation& op,
                     std::string_view schemaName, const std::vector<std::string>& statements);

} // namespace parvela::db
