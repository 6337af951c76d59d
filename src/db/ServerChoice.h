#pragma once

#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace parvela::db {

// The servers of one cluster, in the order the settings list them, and the
// one the program is on. Shared by every data owner with the same list, so
// that once a server did not answer the others go straight to the next.
class ServerChoice {
public:
    explicit ServerChoice(std::vector<std::string> hosts);

    // The one state of this list of servers in the process.
    static std::shared_ptr<ServerChoice> of(const std::vector<std::string>& hosts);

    const std::vector<std::string>& hosts() const { return m_hosts; }
    std::size_t currentIndex() const;
    // Empty when no server is set.
    std::string current() const;
    // The server that did not answer when the program last moved on; empty
    // while it is on the first one it tried.
    std::string leftBehind() const;
    // `index` answered after the one at `tried` had not.
    void answered(std::size_t index, std::size_t tried);

private:
    const std::vector<std::string> m_hosts;
    mutable std::mutex m_mutex;
    std::size_t m_current = 0;
    std::string m_leftBehind;
};

} // namespace parvela::db
