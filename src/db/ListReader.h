#pragma once

#include "db/Row.h"
#include "db/StatementRunner.h"
#include "records/SharedList.h"

#include <string>
#include <string_view>
#include <vector>

namespace parvela::db {

inline constexpr int kReadFailed = -1;

// Replaces `target` after a read. A failed read (-1, already reported) never
// leaves less than there was: a list read before stays as it was, and an
// empty one keeps the rows read until the failure.
template <typename Record>
int replaceList(Outcome outcome, std::vector<Record>& target, std::vector<Record>&& read) {
    if (outcome == Outcome::Failed) {
        if (target.empty())
            target = std::move(read);
        return kReadFailed;
    }
    target = std::move(read);
    return static_cast<int>(target.size());
}

// The common shape of a list read: one record is made from each row, and
// the count is returned.
template <typename Record, typename MakeRecord>
int readList(const StatementRunner& runner, const Operation& op, std::string_view schemaName,
             const std::string& text, std::vector<Record>& target, MakeRecord makeRecord) {
    std::vector<Record> read;
    const Outcome outcome = runner.query(op, schemaName, text, [&](const Row& row) {
        if (read.empty())
            read.reserve(row.resultRows());
        read.push_back(makeRecord(row));
    });
    return replaceList(outcome, target, std::move(read));
}

// A list read into a list that catalogues share, by one of the list reads:
// it takes the place of the old one as replaceList says.
template <typename Record>
int readShared(records::SharedList<Record>& list,
               int (*read)(const StatementRunner&, std::vector<Record>&),
               const StatementRunner& runner) {
    std::vector<Record> fresh;
    const int count = read(runner, fresh);
    if (count >= 0 || list.empty())
        list = std::move(fresh);
    return count;
}

} // namespace parvela::db
