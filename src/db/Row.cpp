#include "db/Row.h"

#include "db/FixedField.h"

#include <charconv>
#include <cppconn/resultset.h>

namespace parvela::db {

namespace {

std::string_view viewOf(const sql::SQLString& text) {
    return {text.c_str(), text.length()};
}

} // namespace

int Row::integer(int column) const {
    return static_cast<int>(m_result.getInt(static_cast<uint32_t>(column)));
}

std::int64_t Row::int64(int column) const {
    return m_result.getInt64(static_cast<uint32_t>(column));
}

double Row::real(int column) const {
    // The driver's own conversion builds a string stream per value, which
    // dominates reading a large catalogue; the text is the same number.
    const sql::SQLString text = m_result.getString(static_cast<uint32_t>(column));
    const std::string_view digits = viewOf(text);
    double value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

std::string Row::bytes(int column) const {
    return m_result.getString(static_cast<uint32_t>(column)).asStdString();
}

std::string Row::bytes(int column, std::size_t fieldSize) const {
    const sql::SQLString text = m_result.getString(static_cast<uint32_t>(column));
    return std::string(fitField(viewOf(text), fieldSize));
}

QString Row::text(int column) const {
    const sql::SQLString utf8 = m_result.getString(static_cast<uint32_t>(column));
    return QString::fromUtf8(utf8.c_str(), static_cast<qsizetype>(utf8.length()));
}

QString Row::text(int column, qsizetype fieldSize) const {
    return fitField(text(column), fieldSize);
}

std::size_t Row::resultRows() const {
    return m_result.rowsCount();
}

bool Row::isNull(int column) const {
    return m_result.isNull(static_cast<uint32_t>(column));
}

} // namespace parvela::db
