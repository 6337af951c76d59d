#include "db/StatementRunner.h"

#include "db/Connector.h"
#include "db/DbConnection.h"
#include "db/Row.h"
#include "db/StatementJournal.h"
#include "platform/MessageBoxes.h"

#include <cppconn/connection.h>
#include <cppconn/exception.h>
#include <cppconn/resultset.h>
#include <cppconn/statement.h>
#include <memory>
#include <utility>
#include <vector>

namespace parvela::db {

namespace {

platform::BoxRequest failureBox(const Operation& op, const sql::SQLException& e) {
    platform::BoxRequest box;
    box.text = QString::fromUtf8(e.what());
    box.caption = QString::fromUtf8(op.tag.data(), static_cast<qsizetype>(op.tag.size()));
    box.icon = (op.style == BoxStyle::Exclamation || op.style == BoxStyle::ExclamationTopmost)
                   ? platform::BoxIcon::Exclamation
                   : platform::BoxIcon::None;
    box.topmost = op.style == BoxStyle::PlainTopmost || op.style == BoxStyle::ExclamationTopmost;
    return box;
}

// The client library's own errors (2000-2999): no connection, a lost one,
// an unknown host, a time-out.
bool isServerLoss(int errorCode) {
    return errorCode >= 2000 && errorCode < 3000;
}

using Clock = std::chrono::steady_clock;

// The ping of an idle connection that takes this share of the read time-out
// met a server that does not answer, not a closed connection: another wait
// for a new one would only double the wait.
constexpr int kSilentPingShare = 2;
constexpr int kLostDuringQuery = 2013;

} // namespace

void StatementRunner::LossState::enter() {
    const std::lock_guard lock(m_mutex);
    ++m_threads[std::this_thread::get_id()].depth;
}

void StatementRunner::LossState::leave() {
    const std::lock_guard lock(m_mutex);
    const auto scopes = m_threads.find(std::this_thread::get_id());
    if (scopes != m_threads.end() && --scopes->second.depth == 0)
        m_threads.erase(scopes);
}

bool StatementRunner::LossState::lost() {
    const std::lock_guard lock(m_mutex);
    const auto scopes = m_threads.find(std::this_thread::get_id());
    return scopes != m_threads.end() && scopes->second.lost;
}

// Only inside a scope: outside one, every call tries the server afresh.
void StatementRunner::LossState::markLost() {
    const std::lock_guard lock(m_mutex);
    const auto scopes = m_threads.find(std::this_thread::get_id());
    if (scopes != m_threads.end())
        scopes->second.lost = true;
}

thread_local StatementRunner::HeldConnections::ThreadEntries
    StatementRunner::HeldConnections::t_entries;

StatementRunner::HeldConnections::HeldConnections() = default;
// No thread uses the map any more (each call holds a runner that holds it):
// closing the connections of other threads here cannot meet their calls.
StatementRunner::HeldConnections::~HeldConnections() = default;

StatementRunner::HeldConnections::Held* StatementRunner::HeldConnections::ofThisThread() {
    const std::lock_guard lock(m_mutex);
    const auto held = m_threads.find(std::this_thread::get_id());
    return held == m_threads.end() ? nullptr : &held->second;
}

// Map nodes stay where they are, so the reference outlives the lock.
StatementRunner::HeldConnections::Held& StatementRunner::HeldConnections::make() {
    bool made = false;
    Held* held = nullptr;
    {
        const std::lock_guard lock(m_mutex);
        const auto [entry, inserted] = m_threads.try_emplace(std::this_thread::get_id());
        held = &entry->second;
        made = inserted;
    }
    if (made) {
        // A thread that outlives many runners keeps only the live ones.
        std::erase_if(t_entries.maps,
                      [](const std::weak_ptr<HeldConnections>& map) { return map.expired(); });
        t_entries.maps.push_back(weak_from_this());
    }
    return *held;
}

void StatementRunner::HeldConnections::drop() {
    // Closed outside the lock: a close may wait for the server.
    std::shared_ptr<sql::Connection> closing;
    {
        const std::lock_guard lock(m_mutex);
        const auto entry = m_threads.find(std::this_thread::get_id());
        if (entry == m_threads.end())
            return;
        Held& held = entry->second;
        if (held.connection && held.depth == 0 && !held.failed) {
            closing = std::move(m_spare.connection);
            m_spare.connection = std::move(held.connection);
            m_spare.schema = std::move(held.schema);
            m_spare.lastUsed = held.lastUsed;
        } else {
            closing = std::move(held.connection);
        }
        m_threads.erase(entry);
    }
}

void StatementRunner::HeldConnections::takeSpare(Held& held) {
    const std::lock_guard lock(m_mutex);
    if (!m_spare.connection)
        return;
    held.connection = std::move(m_spare.connection);
    held.schema = std::move(m_spare.schema);
    held.lastUsed = m_spare.lastUsed;
}

void StatementRunner::HeldConnections::release() {
    Held* held = ofThisThread();
    if (held == nullptr)
        return;
    held->depth = 0;
    held->failed = false;
    held->journal.reset();
}

StatementRunner::HeldConnections::ThreadEntries::~ThreadEntries() {
    dropAll();
}

void StatementRunner::HeldConnections::ThreadEntries::dropAll() {
    for (const std::weak_ptr<HeldConnections>& map : std::exchange(maps, {})) {
        if (const std::shared_ptr<HeldConnections> held = map.lock())
            held->drop();
    }
}

void StatementRunner::closeThisThreadsConnections() {
    HeldConnections::t_entries.dropAll();
}

ServerLossScope::ServerLossScope(const StatementRunner& runner)
    : m_loss(runner.m_loss) {
    m_loss->enter();
}

ServerLossScope::~ServerLossScope() {
    m_loss->leave();
}

Outcome StatementRunner::execute(const Operation& op, std::string_view schemaName,
                                 const std::string& text) const {
    return run(op, schemaName, [&](sql::Statement& statement) {
        record(schemaName, text);
        executeAll(statement, text);
    });
}

Outcome StatementRunner::executeCounted(const Operation& op, std::string_view schemaName,
                                        const std::string& text, std::uint64_t& matched) const {
    matched = 0;
    return run(op, schemaName, [&](sql::Statement& statement) {
        record(schemaName, text);
        matched = executeAll(statement, text);
    });
}

Outcome StatementRunner::executeQuietly(const Operation& op, std::string_view schemaName,
                                        const std::string& text) const {
    return run(
        op, schemaName,
        [&](sql::Statement& statement) {
            record(schemaName, text);
            executeAll(statement, text);
        },
        false);
}

StatementRunner StatementRunner::withBoxes(platform::MessageBoxes& boxes) const {
    StatementRunner runner(m_connection, boxes);
    runner.m_journal = m_journal;
    runner.m_held = m_held;
    runner.m_actor = m_actor;
    return runner;
}

void StatementRunner::setActor(Actor actor) const {
    const std::lock_guard lock(m_actor->mutex);
    m_actor->actor = std::move(actor);
}

Actor StatementRunner::actor() const {
    const std::lock_guard lock(m_actor->mutex);
    return m_actor->actor;
}

bool StatementRunner::inTransaction() const {
    const HeldConnections::Held* held = m_held->ofThisThread();
    return held != nullptr && held->depth > 0;
}

Outcome StatementRunner::query(const Operation& op, std::string_view schemaName,
                               const std::string& text, const RowHandler& onRow) const {
    return run(op, schemaName, [&](sql::Statement& statement) {
        readRows(statement, schemaName, text, onRow, false);
    });
}

Outcome StatementRunner::queryFirst(const Operation& op, std::string_view schemaName,
                                    const std::string& text, const RowHandler& onRow) const {
    return run(op, schemaName, [&](sql::Statement& statement) {
        readRows(statement, schemaName, text, onRow, true);
    });
}

Outcome StatementRunner::callThenSelect(const Operation& op, std::string_view schemaName,
                                        const std::string& call, const std::string& select,
                                        const RowHandler& onRow) const {
    return run(op, schemaName, [&](sql::Statement& statement) {
        record(schemaName, call);
        executeAll(statement, call);
        readRows(statement, schemaName, select, onRow, true);
    });
}

void StatementRunner::readRows(sql::Statement& statement, std::string_view schemaName,
                               const std::string& text, const RowHandler& onRow,
                               bool firstOnly) const {
    record(schemaName, text);
    const std::unique_ptr<sql::ResultSet> result(statement.executeQuery(text));
    const Row row(*result);
    while (result->next()) {
        onRow(row);
        if (firstOnly)
            break;
    }
}

Outcome StatementRunner::run(const Operation& op, std::string_view schemaName,
                             const std::function<void(sql::Statement&)>& work,
                             bool showFailure) const {
    HeldConnections::Held* held = m_held->ofThisThread();
    if (held != nullptr && held->depth > 0)
        return runHeld(*held, op, schemaName, work, showFailure);
    if (m_loss->lost())
        return Outcome::Failed;
    HeldConnections::Held& own = held != nullptr ? *held : m_held->make();
    try {
        const std::shared_ptr<sql::Connection> connection = ready(own);
        useSchema(own, *connection, schemaName);
        const std::unique_ptr<sql::Statement> statement(connection->createStatement());
        work(*statement);
        own.lastUsed = Clock::now();
        return Outcome::Completed;
    } catch (const sql::SQLException& e) {
        // What state a failure left the connection in is unknown: the next
        // call opens a new one.
        own.connection.reset();
        if (e.getErrorCode() == 0)
            return Outcome::Interrupted;
        if (isServerLoss(e.getErrorCode()))
            m_loss->markLost();
        if (showFailure)
            m_boxes.show(failureBox(op, e));
        return Outcome::Failed;
    }
}

std::shared_ptr<sql::Connection> StatementRunner::ready(HeldConnections::Held& held) const {
    if (!held.connection) {
        OpenedConnection probe = m_connection.takeProbe();
        held.connection = std::move(probe.connection);
        held.lastUsed = probe.lastUsed;
        held.schema.clear();
    }
    if (!held.connection)
        m_held->takeSpare(held);
    if (held.connection && Clock::now() - held.lastUsed > kTrustedIdle) {
        const Clock::time_point pinged = Clock::now();
        bool alive = false;
        try {
            alive = held.connection->isValid();
        } catch (const sql::SQLException&) {
            alive = false;
        }
        if (!alive) {
            held.connection.reset();
            const auto waited = Clock::now() - pinged;
            if (waited * kSilentPingShare >= std::chrono::seconds(m_connection.readTimeout()))
                throw sql::SQLException("Lost connection to server during query", "HY000",
                                        kLostDuringQuery);
        }
    }
    if (!held.connection) {
        held.connection = openConnection(m_connection);
        held.schema.clear();
    }
    return held.connection;
}

// Each USE is a round trip: only when the connection is elsewhere.
void StatementRunner::useSchema(HeldConnections::Held& held, sql::Connection& connection,
                                std::string_view schemaName) {
    if (held.schema == schemaName)
        return;
    held.schema.clear();
    connection.setSchema(sql::SQLString(schemaName.data(), schemaName.size()));
    held.schema = schemaName;
}

Outcome StatementRunner::runHeld(HeldConnections::Held& held, const Operation& op,
                                 std::string_view schemaName,
                                 const std::function<void(sql::Statement&)>& work,
                                 bool showFailure) const {
    if (held.failed || !held.connection)
        return Outcome::Failed;
    const std::shared_ptr<sql::Connection> connection = held.connection;
    try {
        useSchema(held, *connection, schemaName);
        const std::unique_ptr<sql::Statement> statement(connection->createStatement());
        work(*statement);
        held.lastUsed = Clock::now();
        return Outcome::Completed;
    } catch (const sql::SQLException& e) {
        // Rolled back before the box: a box's event loop must not find the
        // change's rows locked, nor add its own statements to the change.
        held.failed = true;
        rollBack(held);
        if (isServerLoss(e.getErrorCode()))
            m_loss->markLost();
        if (showFailure && e.getErrorCode() != 0)
            m_boxes.show(failureBox(op, e));
        return Outcome::Failed;
    }
}

void StatementRunner::begin(HeldConnections::Held& held, const Operation& op) const {
    held.depth = 1;
    held.failed = false;
    held.journal.reset();
    if (m_loss->lost()) {
        held.failed = true;
        return;
    }
    try {
        const std::shared_ptr<sql::Connection> connection = ready(held);
        const std::unique_ptr<sql::Statement> statement(connection->createStatement());
        if (m_journal)
            m_journal->recordFrame(held.schema.empty() ? std::string(schema::stocks) : held.schema,
                                   "START TRANSACTION");
        statement->execute("START TRANSACTION");
        held.lastUsed = Clock::now();
    } catch (const sql::SQLException& e) {
        held.connection.reset();
        held.failed = true;
        if (isServerLoss(e.getErrorCode()))
            m_loss->markLost();
        if (e.getErrorCode() != 0)
            m_boxes.show(failureBox(op, e));
    }
}

void StatementRunner::rollBack(HeldConnections::Held& held) {
    if (!held.connection)
        return;
    try {
        const std::unique_ptr<sql::Statement> statement(held.connection->createStatement());
        statement->execute("ROLLBACK");
        held.lastUsed = Clock::now();
    } catch (const sql::SQLException&) {
        // A closed connection is rolled back by the server.
        held.connection.reset();
    }
}

void StatementRunner::record(std::string_view schemaName, const std::string& text) const {
    if (m_journal)
        m_journal->record(std::string(schemaName), text);
}

} // namespace parvela::db
