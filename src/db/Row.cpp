#include "db/Row.h"

#include <charconv>
#include <cppconn/resultset.h>

namespace parvela::db {

int Row::integer(int column) const {
    return static_cast<int>(m_result.getInt(static_cast<uint32_t>(column)));
}

std::int64_t Row::int64(int column) const {
    return m_result.getInt64(static_cast<uint32_t>(column));
}

double Row::real(int column) const {
    // The driver's own conversion builds a string stream per value, which
    // dominates reading a large catalogue; the text is the same number.
    const std::string text = bytes(column);
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

std::string Row::bytes(int column) const {
    return m_result.getString(static_cast<uint32_t>(column)).asStdString();
}

QString Row::text(int column) const {
    const std::string utf8 = bytes(column);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::size_t Row::resultRows() const {
    return m_result.rowsCount();
}

bool Row::isNull(int column) const {
    return m_result.isNull(static_cast<uint32_t>(column));
}

} // namespace parvela::db
