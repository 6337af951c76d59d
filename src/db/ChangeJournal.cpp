#include "db/ChangeJournal.h"

#include "db/Connector.h"
#include "db/Row.h"
#include "db/SqlLiteral.h"
#include "db/StatementJournal.h"

#include <algorithm>
#include <atomic>
#include <cppconn/exception.h>
#include <cppconn/resultset.h>
#include <cppconn/statement.h>
#include <memory>
#include <set>

namespace parvela::db {

namespace {

std::atomic<bool> g_schemaReady{false};

// The client library's own errors: the connection is gone.
bool isClientError(int errorCode) {
    return errorCode >= 2000 && errorCode < 3000;
}

// The keys of `kept` whose rows differ between the two images.
std::vector<std::string> changedKeys(const std::vector<std::string>& keys, const RowImage& before,
                                     const RowImage& after) {
    static const std::vector<std::string> none;
    const auto rowsOf = [](const RowImage& image, const std::string& key) -> const auto& {
        const auto rows = image.find(key);
        return rows == image.end() ? none : rows->second;
    };
    std::vector<std::string> changed;
    for (const std::string& key : keys) {
        if (rowsOf(before, key) != rowsOf(after, key))
            changed.push_back(key);
    }
    return changed;
}

void addRows(std::vector<std::string>& tuples, const std::string& head, int side,
             const RowImage& image) {
    for (const auto& [key, rows] : image) {
        for (const std::string& row : rows)
            tuples.push_back(head + std::to_string(side) + "," + quotedLiteral(key) + "," +
                             quotedLiteral(row) + ")");
    }
}

} // namespace

const std::string& ChangeJournal::schemaStatements() {
    static const std::string statements =
        "CREATE DATABASE IF NOT EXISTS parvela_journal CHARACTER SET utf8mb4 COLLATE "
        "utf8mb4_turkish_ci;"
        "CREATE TABLE IF NOT EXISTS parvela_journal.changes ("
        " id BIGINT NOT NULL AUTO_INCREMENT, made DATETIME NOT NULL,"
        " user VARCHAR(64) NOT NULL DEFAULT '', machine VARCHAR(255) NOT NULL DEFAULT '',"
        " caption TEXT NOT NULL, products INT NOT NULL DEFAULT 0,"
        " undone DATETIME NULL DEFAULT NULL, PRIMARY KEY (id)) ENGINE=InnoDB;"
        "CREATE TABLE IF NOT EXISTS parvela_journal.kept_tables ("
        " change_id BIGINT NOT NULL, table_no INT NOT NULL, schema_name VARCHAR(64) NOT NULL,"
        " table_name VARCHAR(64) NOT NULL, key_column VARCHAR(64) NOT NULL,"
        " columns TEXT NOT NULL, PRIMARY KEY (change_id, table_no)) ENGINE=InnoDB;"
        "CREATE TABLE IF NOT EXISTS parvela_journal.kept_rows ("
        " id BIGINT NOT NULL AUTO_INCREMENT, change_id BIGINT NOT NULL,"
        " table_no INT NOT NULL, side TINYINT NOT NULL, stcode VARCHAR(64) NOT NULL,"
        " image LONGTEXT CHARACTER SET ascii NOT NULL, PRIMARY KEY (id),"
        " KEY ix_kept_rows_change (change_id, table_no, stcode)) ENGINE=InnoDB;"
        "CREATE TABLE IF NOT EXISTS parvela_journal.turns ("
        " name VARCHAR(64) NOT NULL, taken BIGINT NOT NULL DEFAULT 0,"
        " PRIMARY KEY (name)) ENGINE=InnoDB;";
    return statements;
}

std::string takeTurnText(std::string_view turn, int waitSeconds, std::string_view busyText) {
    // 1205: the row lock's wait ran out.
    return "BEGIN NOT ATOMIC DECLARE EXIT HANDLER FOR 1205 SIGNAL SQLSTATE '45000' SET "
           "MESSAGE_TEXT='" +
           std::string(busyText) +
           "'; SET STATEMENT innodb_lock_wait_timeout=" + std::to_string(waitSeconds) +
           " FOR INSERT INTO parvela_journal.turns (name, taken) VALUES ('" + std::string(turn) +
           "', 1) ON DUPLICATE KEY UPDATE taken = taken + 1; END";
}

void ChangeJournal::ensureSchema(const StatementRunner& runner, const Operation& op) {
    if (g_schemaReady.load())
        return;
    StatementRunner::HeldConnections::Held* held = runner.m_held->ofThisThread();
    if (held == nullptr || held->failed)
        return;
    (void)runner.runHeld(
        *held, op, schema::stocks,
        [](sql::Statement& statement) {
            try {
                executeAll(statement, schemaStatements());
                g_schemaReady.store(true);
            } catch (const sql::SQLException& e) {
                // Without the journal only a journalled change fails, at its commit.
                if (isClientError(e.getErrorCode()))
                    throw;
            }
            statement.execute("START TRANSACTION");
        },
        true);
}

ImageQuery ChangeJournal::query() const {
    return [this](const std::string& text, const RowHandler& onRow) {
        if (m_runner.m_journal)
            m_runner.m_journal->recordFrame(std::string(journalSchema), text);
        return m_runner.run(m_op, journalSchema, [&](sql::Statement& statement) {
            const std::unique_ptr<sql::ResultSet> result(statement.executeQuery(text));
            const Row row(*result);
            while (result->next())
                onRow(row);
        });
    };
}

Outcome ChangeJournal::execute(const std::string& text) const {
    if (m_runner.m_journal)
        m_runner.m_journal->recordFrame(std::string(journalSchema), text);
    return m_runner.run(m_op, journalSchema,
                        [&](sql::Statement& statement) { executeAll(statement, text); });
}

Outcome ChangeJournal::keep(JournalDraft& draft, std::string_view schemaName,
                            std::string_view table, std::string_view keyColumn,
                            const std::vector<std::string>& keys) const {
    auto kept = std::find_if(draft.kept.begin(), draft.kept.end(), [&](const auto& k) {
        return k.table.schemaName == schemaName && k.table.table == table &&
               k.table.keyColumn == keyColumn;
    });
    if (kept == draft.kept.end()) {
        JournalDraft::Kept added;
        added.table = {std::string(schemaName), std::string(table), std::string(keyColumn), {}};
        if (const Outcome outcome = readKeptColumns(query(), added.table);
            outcome != Outcome::Completed)
            return outcome;
        draft.kept.push_back(std::move(added));
        kept = std::prev(draft.kept.end());
    }
    // A key kept before keeps its first before-image.
    const std::set<std::string> known(kept->keys.begin(), kept->keys.end());
    std::vector<std::string> fresh;
    for (const std::string& key : keys) {
        if (!known.contains(key) && std::find(fresh.begin(), fresh.end(), key) == fresh.end())
            fresh.push_back(key);
    }
    if (fresh.empty())
        return Outcome::Completed;
    kept->keys.insert(kept->keys.end(), fresh.begin(), fresh.end());
    return readRowImage(query(), kept->table, fresh, true, kept->before);
}

Outcome ChangeJournal::write(const JournalDraft& draft) const {
    std::vector<RowImage> befores;
    std::vector<RowImage> afters;
    std::set<std::string> products;
    for (const JournalDraft::Kept& kept : draft.kept) {
        RowImage after;
        if (const Outcome outcome = readRowImage(query(), kept.table, kept.keys, false, after);
            outcome != Outcome::Completed)
            return outcome;
        RowImage before;
        RowImage changedAfter;
        for (const std::string& key : changedKeys(kept.keys, kept.before, after)) {
            products.insert(key);
            if (const auto rows = kept.before.find(key); rows != kept.before.end())
                before.insert(*rows);
            if (const auto rows = after.find(key); rows != after.end())
                changedAfter.insert(*rows);
        }
        befores.push_back(std::move(before));
        afters.push_back(std::move(changedAfter));
    }
    if (products.empty())
        return Outcome::Completed;

    const Actor actor = m_runner.actor();
    Outcome outcome =
        execute("INSERT INTO changes (made, user, machine, caption, products) VALUES (NOW(), " +
                quotedLiteral(actor.user) + "," + quotedLiteral(actor.machine) + "," +
                quotedLiteral(draft.caption) + "," + std::to_string(products.size()) + ")");
    long long id = 0;
    if (outcome == Outcome::Completed)
        outcome = query()("SELECT LAST_INSERT_ID()",
                          [&](const Row& row) { id = static_cast<long long>(row.int64(1)); });
    if (outcome == Outcome::Completed)
        outcome = writeRows(id, draft, befores, afters);
    return outcome == Outcome::Completed ? prune() : outcome;
}

Outcome ChangeJournal::writeRows(long long id, const JournalDraft& draft,
                                 const std::vector<RowImage>& befores,
                                 const std::vector<RowImage>& afters) const {
    std::vector<std::string> tables;
    std::vector<std::string> rows;
    for (std::size_t no = 0; no < draft.kept.size(); ++no) {
        const KeptTable& table = draft.kept[no].table;
        tables.push_back("(" + std::to_string(id) + "," + std::to_string(no) + "," +
                         quotedLiteral(table.schemaName) + "," + quotedLiteral(table.table) + "," +
                         quotedLiteral(table.keyColumn) + "," + quotedLiteral(table.columnList()) +
                         ")");
        const std::string head = "(" + std::to_string(id) + "," + std::to_string(no) + ",";
        addRows(rows, head, kBeforeImage, befores[no]);
        addRows(rows, head, kAfterImage, afters[no]);
    }
    std::vector<std::string> statements = chunkedInserts(
        "INSERT INTO kept_tables (change_id, table_no, schema_name, table_name, key_column, "
        "columns) VALUES ",
        tables);
    for (std::string& statement : chunkedInserts(
             "INSERT INTO kept_rows (change_id, table_no, side, stcode, image) VALUES ", rows))
        statements.push_back(std::move(statement));
    for (const std::string& statement : statements) {
        if (const Outcome outcome = execute(statement); outcome != Outcome::Completed)
            return outcome;
    }
    return Outcome::Completed;
}

Outcome ChangeJournal::prune() const {
    long long oldestKept = 0;
    const Outcome outcome =
        query()("SELECT id FROM changes ORDER BY id DESC LIMIT 1 OFFSET " +
                    std::to_string(kChangesKept - 1),
                [&](const Row& row) { oldestKept = static_cast<long long>(row.int64(1)); });
    if (outcome != Outcome::Completed || oldestKept == 0)
        return outcome;
    const std::string before = std::to_string(oldestKept);
    return execute("DELETE FROM kept_rows WHERE change_id < " + before +
                   "; DELETE FROM kept_tables WHERE change_id < " + before +
                   "; DELETE FROM changes WHERE id < " + before + ";");
}

} // namespace parvela::db
