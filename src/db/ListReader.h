#pragma once

#include "db/Row.h"
#include "db/StatementRunner.h"

#include <string>
#include <string_view>
#include <vector>

namespace parvela::db {

inline constexpr int kReadFailed = -1;

// The common shape of a list read: the target is emptied, one record is made
// from each row, and the count is returned (-1 after a reported failure, the
// rows read until then kept).
template <typename Record, typename MakeRecord>
int readList(const StatementRunner& runner, const Operation& op, std::string_view schemaName,
             const std::string& text, std::vector<Record>& target, MakeRecord makeRecord) {
    target.clear();
    const Outcome outcome = runner.query(
        op, schemaName, text, [&](const Row& row) { target.push_back(makeRecord(row)); });
    return outcome == Outcome::Failed ? kReadFailed : static_cast<int>(target.size());
}

} // namespace parvela::db
