#pragma once

#include <QString>
#include <string>
#include <vector>

namespace parvela::db {
class StatementRunner;
}

// The change journal as "Geri Al" and the undo verbs read it and take a
// change back.
namespace parvela::journal {

struct JournalEntry {
    long long id = 0;
    QString made;
    QString user;
    QString machine;
    QString caption;
    int products = 0;
    bool undone = false;
};

// The kept changes, newest first; -1 after a reported failure.
int readChanges(const db::StatementRunner& runner, std::vector<JournalEntry>& entries);
// The codes of the products change `id` wrote, in order; -1 after a
// reported failure.
int readChangeProducts(const db::StatementRunner& runner, long long id,
                       std::vector<std::string>& codes);

struct UndoResult {
    enum class Status {
        Undone,
        // Products changed after the change: nothing was written.
        ChangedSince,
        AlreadyUndone,
        Unknown,
        // Reported with its box; nothing was written.
        Failed,
    };
    Status status = Status::Failed;
    std::vector<std::string> changedSince;
    // Products the change created that something refers to now: left in place.
    std::vector<std::string> keptCreated;
    // Products whose rows were written back.
    std::size_t restored = 0;
};

// Takes change `id` back in one transaction: every product's rows become
// its rows before the change. Products changed since are overwritten only
// with `force`; without it they are returned and nothing is written. The
// undo is journalled itself, so it can be taken back in turn.
UndoResult undoChange(const db::StatementRunner& runner, long long id, bool force);

} // namespace parvela::journal
