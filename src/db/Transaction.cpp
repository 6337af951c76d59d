#include "db/Transaction.h"

#include <cppconn/statement.h>
#include <utility>

namespace parvela::db {

Transaction::Transaction(const StatementRunner& runner, const Operation& op)
    : m_runner(runner)
    , m_op(op) {
    if (StatementRunner::HeldConnections::Held* held = m_runner.m_held->ofThisThread()) {
        m_joined = true;
        ++held->depth;
        return;
    }
    m_runner.begin(m_runner.m_held->make(), op);
}

Transaction::~Transaction() {
    if (!m_ended)
        rollback();
    if (!m_joined)
        m_runner.m_held->drop();
}

bool Transaction::failed() const {
    const StatementRunner::HeldConnections::Held* held = m_runner.m_held->ofThisThread();
    return held == nullptr || held->failed;
}

Outcome Transaction::commit() {
    if (m_ended)
        return Outcome::Failed;
    m_ended = true;
    StatementRunner::HeldConnections::Held* held = m_runner.m_held->ofThisThread();
    if (held == nullptr)
        return Outcome::Failed;
    if (m_joined) {
        --held->depth;
        return held->failed ? Outcome::Failed : Outcome::Completed;
    }
    if (held->failed) {
        m_runner.m_held->drop();
        return Outcome::Failed;
    }
    const Outcome outcome = m_runner.runHeld(
        *held, m_op, held->schema.empty() ? schema::stocks : held->schema,
        [](sql::Statement& statement) { statement.execute("COMMIT"); }, true);
    m_runner.m_held->drop();
    return outcome;
}

void Transaction::rollback() {
    StatementRunner::HeldConnections::Held* held = m_runner.m_held->ofThisThread();
    if (held == nullptr)
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

void Transaction::journalAs(std::string caption) {
    m_caption = std::move(caption);
}

// Not journalled yet: the change journal arrives separately.
void Transaction::keep(std::string_view, std::string_view, std::string_view,
                       const std::vector<std::string>&) {}

} // namespace parvela::db
