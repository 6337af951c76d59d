#pragma once

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
    void record(std::string schema, std::string text);
    std::vector<IssuedStatement> entries() const;
    std::vector<std::string> texts() const;
    void clear();

private:
    mutable std::mutex m_mutex;
    std::vector<IssuedStatement> m_entries;
};

} // namespace parvela::db
