#include "db/Transaction.h"

#include "db/ChangeJournal.h"
#include "db/StatementJournal.h"

#include <cppconn/statement.h>
#include <memory>
#include <utility>

namespace parvela::db {

Transaction::Transaction(const StatementRunner& runner, const Operation& op)
    : m_runner(runner)
    , m_op(op) {
    StatementRunner::HeldConnections::Held* held = m_runner.m_held->ofThisThread();
    if (held != nullptr && held->depth > 0) {
        m_joined = true;
        ++held->depth;
        return;
    }
    m_runner.begin(m_runner.m_held->make(), op);
    ChangeJournal::ensureSchema(m_runner, op);
}

Transaction::~Transaction() {
    if (!m_ended)
        rollback();
    if (!m_joined)
        m_runner.m_held->release();
}

bool Transaction::failed() const {
    const StatementRunner::HeldConnections::Held* held = m_runner.m_held->ofThisThread();
    return held == nullptr || held->depth == 0 || held->failed;
}

Outcome Transaction::commit() {
    if (m_ended)
        return Outcome::Failed;
    m_ended = true;
    StatementRunner::HeldConnections::Held* held = m_runner.m_held->ofThisThread();
    if (held == nullptr || held->depth == 0)
        return Outcome::Failed;
    if (m_joined) {
        --held->depth;
        return held->failed ? Outcome::Failed : Outcome::Completed;
    }
    if (held->failed) {
        m_runner.m_held->release();
        return Outcome::Failed;
    }
    if (held->journal && !held->journal->caption.empty() &&
        ChangeJournal(m_runner, m_op).write(*held->journal) != Outcome::Completed) {
        m_runner.m_held->release();
        return Outcome::Failed;
    }
    const std::string_view schemaName = held->schema.empty() ? schema::stocks : held->schema;
    if (m_runner.m_journal)
        m_runner.m_journal->recordFrame(std::string(schemaName), "COMMIT");
    const Outcome outcome = m_runner.runHeld(
        *held, m_op, schemaName, [](sql::Statement& statement) { statement.execute("COMMIT"); },
        true);
    m_runner.m_held->release();
    return outcome;
}

void Transaction::rollback() {
    StatementRunner::HeldConnections::Held* held = m_runner.m_held->ofThisThread();
    if (held == nullptr || held->depth == 0)
        return;
    held->failed = true;
    if (m_joined) {
        if (!m_ended)
            --held->depth;
        m_ended = true;
        return;
    }
    m_ended = true;
    // The entry stays till the end, so later calls of the change fail.
    StatementRunner::rollBack(*held);
}

// The outermost caption names the change; a joined one names it only
// when the outer did not.
void Transaction::journalAs(std::string caption) {
    StatementRunner::HeldConnections::Held* held = m_runner.m_held->ofThisThread();
    if (held == nullptr || held->depth == 0)
        return;
    if (!held->journal)
        held->journal = std::make_shared<JournalDraft>();
    if (!m_joined || held->journal->caption.empty())
        held->journal->caption = std::move(caption);
}

void Transaction::keep(std::string_view schemaName, std::string_view table,
                       std::string_view keyColumn, const std::vector<std::string>& keys) {
    StatementRunner::HeldConnections::Held* held = m_runner.m_held->ofThisThread();
    if (held == nullptr || held->depth == 0 || held->failed)
        return;
    if (!held->journal)
        held->journal = std::make_shared<JournalDraft>();
    (void)ChangeJournal(m_runner, m_op).keep(*held->journal, schemaName, table, keyColumn, keys);
}

} // namespace parvela::db
