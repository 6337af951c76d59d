#include "SqlText.h"

#include <array>
#include <charconv>

namespace parvela::bench {

RowValues& RowValues::number(std::int64_t value) {
    separate();
    m_text += std::to_string(value);
    return *this;
}

RowValues& RowValues::decimal(double value, int decimals) {
    separate();
    std::array<char, 64> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::fixed, decimals);
    m_text.append(buffer.data(), end.ptr);
    return *this;
}

RowValues& RowValues::text(std::string_view value) {
    separate();
    m_text += '\'';
    for (const char c : value) {
        if (c == '\'' || c == '\\')
            m_text += c;
        m_text += c;
    }
    m_text += '\'';
    return *this;
}

RowValues& RowValues::null() {
    separate();
    m_text += "NULL";
    return *this;
}

void RowValues::separate() {
    if (!m_text.empty())
        m_text += ',';
}

InsertBatch::InsertBatch(std::ostream& out, std::string_view table, std::string_view columns)
    : m_out(out)
    , m_head("INSERT INTO " + std::string(table) + " (" + std::string(columns) + ") VALUES\n") {}

void InsertBatch::add(const RowValues& row) {
    m_pending += m_pendingRows == 0 ? "(" : ",\n(";
    m_pending += row.str();
    m_pending += ')';
    ++m_total;
    if (++m_pendingRows == kRowsPerStatement)
        finish();
}

std::size_t InsertBatch::finish() {
    if (m_pendingRows > 0)
        m_out << m_head << m_pending << ";\n";
    m_pending.clear();
    m_pendingRows = 0;
    return m_total;
}

} // namespace parvela::bench
