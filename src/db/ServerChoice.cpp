#include "db/ServerChoice.h"

#include <map>
#include <utility>

namespace parvela::db {

ServerChoice::ServerChoice(std::vector<std::string> hosts)
    : m_hosts(std::move(hosts)) {}

std::shared_ptr<ServerChoice> ServerChoice::of(const std::vector<std::string>& hosts) {
    static std::mutex mutex;
    static std::map<std::vector<std::string>, std::shared_ptr<ServerChoice>> choices;
    const std::lock_guard lock(mutex);
    std::shared_ptr<ServerChoice>& choice = choices[hosts];
    if (!choice)
        choice = std::make_shared<ServerChoice>(hosts);
    return choice;
}

std::size_t ServerChoice::currentIndex() const {
    const std::lock_guard lock(m_mutex);
    return m_current;
}

std::string ServerChoice::current() const {
    const std::lock_guard lock(m_mutex);
    return m_hosts.empty() ? std::string() : m_hosts[m_current];
}

std::string ServerChoice::leftBehind() const {
    const std::lock_guard lock(m_mutex);
    return m_leftBehind;
}

void ServerChoice::answered(std::size_t index, std::size_t tried) {
    if (index == tried || index >= m_hosts.size() || tried >= m_hosts.size())
        return;
    const std::lock_guard lock(m_mutex);
    m_current = index;
    m_leftBehind = m_hosts[tried];
}

} // namespace parvela::db
