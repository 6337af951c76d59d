#include "db/StatementJournal.h"

namespace parvela::db {

void StatementJournal::record(std::string schema, std::string text) {
    IssuedStatement entry{std::move(schema), std::move(text)};
    Listener listener;
    {
        const std::lock_guard lock(m_mutex);
        m_entries.push_back(entry);
        listener = m_listener;
    }
    if (listener)
        listener(entry);
}

void StatementJournal::recordFraming(bool on) {
    const std::lock_guard lock(m_mutex);
    m_framing = on;
}

void StatementJournal::recordFrame(std::string schema, std::string text) {
    {
        const std::lock_guard lock(m_mutex);
        if (!m_framing)
            return;
    }
    record(std::move(schema), std::move(text));
}

void StatementJournal::setListener(Listener listener) {
    const std::lock_guard lock(m_mutex);
    m_listener = std::move(listener);
}

std::vector<IssuedStatement> StatementJournal::entries() const {
    const std::lock_guard lock(m_mutex);
    return m_entries;
}

std::vector<std::string> StatementJournal::texts() const {
    const std::lock_guard lock(m_mutex);
    std::vector<std::string> texts;
    texts.reserve(m_entries.size());
    for (const IssuedStatement& entry : m_entries)
        texts.push_back(entry.text);
    return texts;
}

void StatementJournal::clear() {
    const std::lock_guard lock(m_mutex);
    m_entries.clear();
}

} // namespace parvela::db
