#pragma once

#include "db/StatementRunner.h"

#include <string>
#include <string_view>
#include <vector>

namespace parvela::db {

// Held over a change of several statements: while it lives, every call of
// the runner (and of its withBoxes copies) on this thread goes over one
// connection inside one transaction. The first failing call rolls it back,
// shows its one box under its own tag, and every later call fails at once
// without a box; nothing stays written unless commit() succeeds. Ended
// without a commit (a cancel, an early return, an exception) it rolls back.
// Opened on a thread that already holds one, it joins that one: the outer
// transaction commits.
// Keep questions, boxes and pauses out of it: its rows stay locked.
class Transaction {
public:
    Transaction(const StatementRunner& runner, const Operation& op);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    // A call failed, or the transaction could not begin.
    bool failed() const;
    // Completed when everything is written; Failed (after a box, unless an
    // earlier call showed one) when nothing is. A joined transaction
    // commits nothing and only tells whether it failed.
    [[nodiscard]] Outcome commit();
    // Undoes everything written so far; later calls fail without a box.
    void rollback();

    // Names the change in the change journal ("Geri Al" lists it under this
    // caption); a change never named is not journalled. The entry is written
    // by commit(), in the transaction, naming the runner's actor.
    void journalAs(std::string caption);
    // The rows of `table` whose `keyColumn` holds one of `keys` (product
    // codes) are the change's: call it before writing them. Their
    // before-image is read at once, locked; their after-image at commit.
    void keep(std::string_view schemaName, std::string_view table, std::string_view keyColumn,
              const std::vector<std::string>& keys);

private:
    const StatementRunner& m_runner;
    Operation m_op;
    bool m_joined = false;
    bool m_ended = false;
};

} // namespace parvela::db
