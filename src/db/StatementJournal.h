#pragma once

#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace parvela::db {

struct IssuedStatement {
    std::string schema;
    std::string text;
};

// What a runner issued, in order; tests read it to check statement texts.
class StatementJournal {
public:
    // Called from the issuing thread after each record: the statement is
    // about to go to the server on a connection that is already open.
    using Listener = std::function<void(const IssuedStatement&)>;

    void record(std::string schema, std::string text);
    // The statements around a change (START TRANSACTION, the change journal's
    // reads and writes, COMMIT) are recorded too when asked: a benchmark
    // replays a save whole. Tests check the command's own texts without them.
    void recordFraming(bool on);
    void recordFrame(std::string schema, std::string text);
    void setListener(Listener listener);
    std::vector<IssuedStatement> entries() const;
    std::vector<std::string> texts() const;
    void clear();

private:
    mutable std::mutex m_mutex;
    std::vector<IssuedStatement> m_entries;
    Listener m_listener;
    bool m_framing = false;
};

} // namespace parvela::db
