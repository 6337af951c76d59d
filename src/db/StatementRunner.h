#pragma once

#include "db/OperationTag.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <unordered_map>
#include <vector>

namespace sql {
class Connection;
class Statement;
} // namespace sql

namespace parvela::platform {
class MessageBoxes;
}

namespace parvela::db {

class DbConnection;
class Row;
class StatementJournal;
struct JournalDraft;

// Who makes the changes the change journal records.
struct Actor {
    std::string user;
    std::string machine;
};

// Schemas of the suite's server.
namespace schema {
inline constexpr std::string_view stocks = "stocks";
inline constexpr std::string_view groups = "groups";
inline constexpr std::string_view oturum = "oturum";
inline constexpr std::string_view tabledot = "tabledot";
inline constexpr std::string_view company = "company";
inline constexpr std::string_view barcode = "barcode";
inline constexpr std::string_view imalatkazani = "imalatkazani";
inline constexpr std::string_view users = "users";
inline constexpr std::string_view subetransfer = "subetransfer";
} // namespace schema

// Interrupted when the driver failed with error code 0: such failures are
// not the server's and are passed over silently, so callers treat them as
// Completed, unless (like the permission check) they must not.
enum class Outcome { Completed, Interrupted, Failed };

using RowHandler = std::function<void(const Row&)>;

// Issues every statement of a data owner. Each thread keeps one connection of
// the runner (and its copies) open across calls; a call selects the schema
// when it is not the connection's already, runs, reads and releases its
// statement; a driver failure shows the driver's text in a box captioned
// with the operation's tag.
class StatementRunner {
public:
    StatementRunner(const DbConnection& connection, platform::MessageBoxes& boxes)
        : m_connection(connection)
        , m_boxes(boxes) {}

    // A connection used this recently is taken as it is; one idle for
    // longer is pinged first and opened anew when it is gone.
    static constexpr std::chrono::milliseconds kTrustedIdle{2000};

    // Lets go of the connections this thread keeps, of every runner, for a
    // thread that ends (they are let go at its exit anyway): each is kept
    // for the next thread of its runner or closed.
    static void closeThisThreadsConnections();

    void setJournal(StatementJournal* journal) { m_journal = journal; }
    // Named by the change journal for every change of this runner and its
    // copies: set once the user has logged in.
    void setActor(Actor actor) const;
    Actor actor() const;
    // A runner on the same server whose failures go to other boxes: a worker
    // thread's, say. A transaction this thread holds is the copy's too.
    StatementRunner withBoxes(platform::MessageBoxes& boxes) const;
    // Whether this thread's calls go into a Transaction.
    bool inTransaction() const;

    // Statements that return no rows; several may be sent at once, and an
    // error in any of them fails the call (the earlier ones stay done).
    [[nodiscard]] Outcome execute(const Operation& op, std::string_view schemaName,
                                  const std::string& text) const;
    // The same, and `matched` receives the number of rows the first
    // statement matched (0 when it failed).
    [[nodiscard]] Outcome executeCounted(const Operation& op, std::string_view schemaName,
                                         const std::string& text, std::uint64_t& matched) const;
    // The same without a box: for callers that report many failures as one.
    [[nodiscard]] Outcome executeQuietly(const Operation& op, std::string_view schemaName,
                                         const std::string& text) const;
    // Calls `onRow` for every row; rows handled before a failure stay handled.
    [[nodiscard]] Outcome query(const Operation& op, std::string_view schemaName,
                                const std::string& text, const RowHandler& onRow) const;
    // Calls `onRow` for the first row only, when there is one.
    [[nodiscard]] Outcome queryFirst(const Operation& op, std::string_view schemaName,
                                     const std::string& text, const RowHandler& onRow) const;
    // A procedure that answers through a user variable: the CALL and the
    // SELECT of that variable on one connection; `onRow` gets the first row.
    [[nodiscard]] Outcome callThenSelect(const Operation& op, std::string_view schemaName,
                                         const std::string& call, const std::string& select,
                                         const RowHandler& onRow) const;

private:
    Outcome run(const Operation& op, std::string_view schemaName,
                const std::function<void(sql::Statement&)>& work, bool showFailure = true) const;
    void record(std::string_view schemaName, const std::string& text) const;
    void readRows(sql::Statement& statement, std::string_view schemaName, const std::string& text,
                  const RowHandler& onRow, bool firstOnly) const;

    friend class ServerLossScope;
    friend class Transaction;
    friend class ChangeJournal;
    // Per thread: the connection every call of that thread goes over, kept
    // between calls, and the transaction open on it. Only its own thread
    // touches an entry once made; the thread's end or the runner's closes it.
    class HeldConnections : public std::enable_shared_from_this<HeldConnections> {
    public:
        struct Held {
            // Shared with the call that uses it, so a call nested in a row
            // handler may drop it without pulling it from under the outer one.
            std::shared_ptr<sql::Connection> connection;
            std::string schema;
            std::chrono::steady_clock::time_point lastUsed;
            // Transactions open on it, joined ones counted: 0 outside one.
            int depth = 0;
            bool failed = false;
            // The caption and kept rows of a journalled change, joined ones' too.
            std::shared_ptr<JournalDraft> journal;
        };
        HeldConnections();
        ~HeldConnections();
        HeldConnections(const HeldConnections&) = delete;
        HeldConnections& operator=(const HeldConnections&) = delete;
        Held* ofThisThread();
        Held& make();
        // Forgets this thread. Its connection, outside a transaction and
        // sound, is kept for the next thread that has none (a worker per
        // job then need not open its own); else it is closed.
        void drop();
        // That kept connection, if any, into `held`.
        void takeSpare(Held& held);
        // A transaction ended: its connection stays for the next call.
        void release();

        // The maps a thread has entries in, emptied when the thread ends.
        struct ThreadEntries {
            std::vector<std::weak_ptr<HeldConnections>> maps;
            ~ThreadEntries();
            void dropAll();
        };
        static thread_local ThreadEntries t_entries;

    private:
        std::mutex m_mutex;
        std::unordered_map<std::thread::id, Held> m_threads;
        Held m_spare;
    };
    Outcome runHeld(HeldConnections::Held& held, const Operation& op, std::string_view schemaName,
                    const std::function<void(sql::Statement&)>& work, bool showFailure) const;
    void begin(HeldConnections::Held& held, const Operation& op) const;
    static void rollBack(HeldConnections::Held& held);
    // The thread's connection, checked and opened as needed.
    std::shared_ptr<sql::Connection> ready(HeldConnections::Held& held) const;
    static void useSchema(HeldConnections::Held& held, sql::Connection& connection,
                          std::string_view schemaName);

    // Per thread: a worker's lost server must not silence a save the
    // window makes at the same time.
    class LossState {
    public:
        void enter();
        void leave();
        bool lost();
        void markLost();

    private:
        struct Scopes {
            int depth = 0;
            bool lost = false;
        };
        std::mutex m_mutex;
        std::unordered_map<std::thread::id, Scopes> m_threads;
    };

    const DbConnection& m_connection;
    platform::MessageBoxes& m_boxes;
    StatementJournal* m_journal = nullptr;
    std::shared_ptr<LossState> m_loss = std::make_shared<LossState>();
    std::shared_ptr<HeldConnections> m_held = std::make_shared<HeldConnections>();
    struct ActorSlot {
        std::mutex mutex;
        Actor actor;
    };
    std::shared_ptr<ActorSlot> m_actor = std::make_shared<ActorSlot>();
};

// Held over an operation of several steps: once a step finds the server
// unreachable (refused, gone, or silent past the time-out), the later steps
// of the runner fail at once without a box, so a dead server is reported
// once and waited for once.
class ServerLossScope {
public:
    explicit ServerLossScope(const StatementRunner& runner);
    ~ServerLossScope();
    ServerLossScope(const ServerLossScope&) = delete;
    ServerLossScope& operator=(const ServerLossScope&) = delete;

    bool serverLost() const { return m_loss->lost(); }

private:
    std::shared_ptr<StatementRunner::LossState> m_loss;
};

} // namespace parvela::db
