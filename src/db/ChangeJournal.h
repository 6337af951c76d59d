#pragma once

#include "db/RowImages.h"
#include "db/StatementRunner.h"

#include <string>
#include <string_view>
#include <vector>

namespace parvela::db {

// The program's own schema: the suite's tables are never altered for it.
inline constexpr std::string_view journalSchema = "parvela_journal";
// Changes kept at least; older ones are pruned by the write of a new one.
inline constexpr int kChangesKept = 100;
// The side of a kept row (kept_rows.side).
inline constexpr int kBeforeImage = 0;
inline constexpr int kAfterImage = 1;

// A turn that two stations' changes take one after the other: a row of the
// journal's schema that the change writes first. One server makes the later
// change wait for the earlier one's end (at most `waitSeconds`, then it fails
// with `busyText`, which holds no quote); a cluster, whose nodes share no
// lock, fails the later of two such commits whole. Named locks (GET_LOCK)
// and LOCK TABLES would hold on one node only.
std::string takeTurnText(std::string_view turn, int waitSeconds, std::string_view busyText);

// What a journalled change keeps until its commit.
struct JournalDraft {
    struct Kept {
        KeptTable table;
        std::vector<std::string> keys;
        RowImage before;
    };
    std::string caption;
    std::vector<Kept> kept;
};

// Reads and writes the change journal on the connection of the transaction
// this thread holds, past the runner's statement record: a command's
// statements stay its own, and the entry lands with the change or not at all.
class ChangeJournal {
public:
    ChangeJournal(const StatementRunner& runner, const Operation& op)
        : m_runner(runner)
        , m_op(op) {}

    // The statements that create the journal's schema when it is missing.
    static const std::string& schemaStatements();
    // Runs them once per process (again after a failure) on the connection of
    // the transaction this thread just began: the DDL commits it while it is
    // still empty, and it begins again at once. Only a lost server fails it.
    static void ensureSchema(const StatementRunner& runner, const Operation& op);

    // Reads the before-image of the keys not kept yet, locked.
    Outcome keep(JournalDraft& draft, std::string_view schemaName, std::string_view table,
                 std::string_view keyColumn, const std::vector<std::string>& keys) const;
    // Reads the after-images and writes one entry naming the products whose
    // rows differ (nothing when none does), then prunes old entries.
    Outcome write(const JournalDraft& draft) const;

    ImageQuery query() const;

private:
    Outcome execute(const std::string& text) const;
    Outcome writeRows(long long id, const JournalDraft& draft, const std::vector<RowImage>& befores,
                      const std::vector<RowImage>& afters) const;
    Outcome prune() const;

    const StatementRunner& m_runner;
    Operation m_op;
};

} // namespace parvela::db
