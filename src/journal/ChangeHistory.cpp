#include "journal/ChangeHistory.h"

#include "db/ChangeJournal.h"
#include "db/ListReader.h"
#include "db/Row.h"
#include "db/RowImages.h"
#include "db/SqlLiteral.h"
#include "db/StatementRunner.h"
#include "db/Transaction.h"
#include "stock/catalogue/StockListReaders.h"

#include <algorithm>
#include <charconv>
#include <set>

namespace parvela::journal {

namespace {

const db::Operation kRead("READ_JOURNAL");
const db::Operation kUndo("GERI_AL");
constexpr std::string_view kCreatingTable = "stckdef";

// One kept table of a change, with the rows the journal holds for it.
struct StoredTable {
    db::KeptTable table;
    std::string columnList;
    db::RowImage before;
    db::RowImage after;

    std::vector<std::string> keys() const {
        std::set<std::string> all;
        for (const auto& [key, rows] : before)
            all.insert(key);
        for (const auto& [key, rows] : after)
            all.insert(key);
        return {all.begin(), all.end()};
    }
};

db::ImageQuery queryOf(const db::StatementRunner& runner, const db::Operation& op) {
    return [&runner, op](const std::string& text, const db::RowHandler& onRow) {
        return runner.query(op, db::journalSchema, text, onRow);
    };
}

bool readStoredTables(const db::StatementRunner& runner, long long id,
                      std::vector<StoredTable>& tables) {
    const std::string change = std::to_string(id);
    db::Outcome outcome = runner.query(
        kUndo, db::journalSchema,
        "SELECT schema_name, table_name, key_column, columns FROM kept_tables WHERE change_id = " +
            change + " ORDER BY table_no",
        [&](const db::Row& row) {
            StoredTable stored;
            stored.table = {row.bytes(1), row.bytes(2), row.bytes(3), {}};
            stored.columnList = row.bytes(4);
            tables.push_back(std::move(stored));
        });
    if (outcome == db::Outcome::Completed)
        outcome = runner.query(
            kUndo, db::journalSchema,
            "SELECT table_no, side, stcode, image FROM kept_rows WHERE change_id = " + change,
            [&](const db::Row& row) {
                const auto no = static_cast<std::size_t>(row.integer(1));
                if (no >= tables.size())
                    return;
                db::RowImage& image =
                    row.integer(2) == db::kBeforeImage ? tables[no].before : tables[no].after;
                image[row.bytes(3)].push_back(row.bytes(4));
            });
    for (StoredTable& stored : tables) {
        for (db::RowImage* image : {&stored.before, &stored.after})
            for (auto& [key, rows] : *image)
                std::sort(rows.begin(), rows.end());
    }
    return outcome == db::Outcome::Completed;
}

// The products of `stored` whose current rows are not those the change left.
bool collectChangedSince(const db::StatementRunner& runner, StoredTable& stored,
                         std::set<std::string>& changed) {
    const db::ImageQuery query = queryOf(runner, kUndo);
    db::RowImage current;
    if (db::readKeptColumns(query, stored.table) != db::Outcome::Completed ||
        db::readRowImage(query, stored.table, stored.keys(), true, current) !=
            db::Outcome::Completed)
        return false;
    static const std::vector<std::string> none;
    for (const std::string& key : stored.keys()) {
        const auto now = current.find(key);
        const auto left = stored.after.find(key);
        if ((now == current.end() ? none : now->second) !=
            (left == stored.after.end() ? none : left->second))
            changed.insert(key);
    }
    return true;
}

// Products the change created (no row in the product table before it) that
// rows of other tables refer to now.
bool collectReferencedCreations(const db::StatementRunner& runner,
                                const std::vector<StoredTable>& tables,
                                std::set<std::string>& referenced) {
    std::vector<std::string> created;
    for (const StoredTable& stored : tables) {
        if (stored.table.schemaName != db::schema::stocks || stored.table.table != kCreatingTable)
            continue;
        for (const auto& [key, rows] : stored.after)
            if (!stored.before.contains(key))
                created.push_back(key);
    }
    if (created.empty())
        return true;
    std::vector<stock::StockCode> owning;
    if (stock::readCodesOwningRows(runner, owning) < 0)
        return false;
    const std::set<stock::StockCode> owned(owning.begin(), owning.end());
    for (const std::string& key : created) {
        stock::StockCode code = 0;
        std::from_chars(key.data(), key.data() + key.size(), code);
        if (owned.contains(code))
            referenced.insert(key);
    }
    return true;
}

bool writeBack(const db::StatementRunner& runner, db::Transaction& change,
               const StoredTable& stored, const std::vector<std::string>& keys) {
    if (keys.empty())
        return true;
    change.keep(stored.table.schemaName, stored.table.table, stored.table.keyColumn, keys);
    std::string remove;
    for (const std::string& list : db::keyLists(keys))
        remove += "DELETE FROM " + stored.table.qualifiedName() + " WHERE " +
                  db::quotedName(stored.table.keyColumn) + " IN " + list + ";";
    if (runner.execute(kUndo, db::schema::stocks, remove) != db::Outcome::Completed)
        return false;
    std::vector<std::string> tuples;
    for (const std::string& key : keys) {
        if (const auto rows = stored.before.find(key); rows != stored.before.end())
            tuples.insert(tuples.end(), rows->second.begin(), rows->second.end());
    }
    for (const std::string& insert : db::chunkedInserts(
             "INSERT INTO " + stored.table.qualifiedName() + " " + stored.columnList + " VALUES ",
             tuples))
        if (runner.execute(kUndo, db::schema::stocks, insert) != db::Outcome::Completed)
            return false;
    return true;
}

} // namespace

int readChanges(const db::StatementRunner& runner, std::vector<JournalEntry>& entries) {
    // In a transaction of its own, which makes the journal on a server that
    // has none yet: an empty list rather than a missing table.
    db::Transaction reading(runner, kRead);
    const int count =
        db::readList(runner, kRead, db::journalSchema,
                     "SELECT id, DATE_FORMAT(made, '%d.%m.%Y %H:%i:%s'), user, machine, "
                     "caption, products, undone IS NOT NULL FROM changes ORDER BY id DESC",
                     entries, [](const db::Row& row) {
                         return JournalEntry{row.int64(1), row.text(2),    row.text(3), row.text(4),
                                             row.text(5),  row.integer(6), row.flag(7)};
                     });
    (void)reading.commit();
    return count;
}

int readChangeProducts(const db::StatementRunner& runner, long long id,
                       std::vector<std::string>& codes) {
    return db::readList(runner, kRead, db::journalSchema,
                        "SELECT DISTINCT stcode FROM kept_rows WHERE change_id = " +
                            std::to_string(id) + " ORDER BY CAST(stcode AS DECIMAL(30)), stcode",
                        codes, [](const db::Row& row) { return row.bytes(1); });
}

UndoResult undoChange(const db::StatementRunner& runner, long long id, bool force) {
    UndoResult result;
    db::Transaction change(runner, kUndo);
    bool found = false;
    bool undone = false;
    std::string caption;
    if (runner.query(kUndo, db::journalSchema,
                     "SELECT caption, undone IS NOT NULL FROM changes WHERE id = " +
                         std::to_string(id) + " FOR UPDATE",
                     [&](const db::Row& row) {
                         found = true;
                         caption = row.bytes(1);
                         undone = row.flag(2);
                     }) != db::Outcome::Completed)
        return result;
    if (!found || undone) {
        result.status = found ? UndoResult::Status::AlreadyUndone : UndoResult::Status::Unknown;
        return result;
    }
    std::vector<StoredTable> tables;
    std::set<std::string> changed;
    std::set<std::string> referenced;
    if (!readStoredTables(runner, id, tables))
        return result;
    for (StoredTable& stored : tables)
        if (!collectChangedSince(runner, stored, changed))
            return result;
    if (!collectReferencedCreations(runner, tables, referenced))
        return result;
    result.changedSince.assign(changed.begin(), changed.end());
    result.keptCreated.assign(referenced.begin(), referenced.end());
    if (!changed.empty() && !force) {
        result.status = UndoResult::Status::ChangedSince;
        return result;
    }

    change.journalAs("Geri Al: " + caption);
    std::set<std::string> restored;
    for (const StoredTable& stored : tables) {
        std::vector<std::string> keys;
        for (const std::string& key : stored.keys())
            if (!referenced.contains(key))
                keys.push_back(key);
        if (!writeBack(runner, change, stored, keys))
            return result;
        restored.insert(keys.begin(), keys.end());
    }
    // Everything it made is in use: it stays a change that can be taken back later.
    if (restored.empty()) {
        result.status = UndoResult::Status::Undone;
        return result;
    }
    if (runner.execute(kUndo, db::journalSchema,
                       "UPDATE changes SET undone = NOW() WHERE id = " + std::to_string(id)) !=
            db::Outcome::Completed ||
        change.commit() != db::Outcome::Completed)
        return result;
    result.restored = restored.size();
    result.status = UndoResult::Status::Undone;
    return result;
}

} // namespace parvela::journal
