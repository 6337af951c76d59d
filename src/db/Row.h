#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>
#include <string>

namespace sql {
class ResultSet;
}

namespace parvela::db {

// The current row of a result, read by 1-based column position.
class Row {
public:
    explicit Row(const sql::ResultSet& result)
        : m_result(result) {}

    int integer(int column) const;
    std::int64_t int64(int column) const;
    double real(int column) const;
    // A flag column: set when its value is greater than 0.
    bool flag(int column) const { return integer(column) > 0; }
    // The bytes as the server sent them (UTF-8).
    std::string bytes(int column) const;
    // At most fieldSize - 1 of them, never half a character (see fitField).
    std::string bytes(int column, std::size_t fieldSize) const;
    QString text(int column) const;
    // At most fieldSize - 1 characters of it (see fitField).
    QString text(int column, qsizetype fieldSize) const;
    bool isNull(int column) const;
    // The number of rows of the whole result, known before the first is read.
    std::size_t resultRows() const;

private:
    const sql::ResultSet& m_result;
};

} // namespace parvela::db
