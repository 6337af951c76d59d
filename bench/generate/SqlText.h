#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

namespace parvela::bench {

// One row of a multi-row INSERT, written in the C locale whatever the user's.
class RowValues {
public:
    RowValues& number(std::int64_t value);
    // Fixed point with `decimals` digits after the point.
    RowValues& decimal(double value, int decimals);
    RowValues& text(std::string_view value);
    RowValues& null();
    const std::string& str() const { return m_text; }

private:
    void separate();
    std::string m_text;
};

// Collects rows of one table and writes them as INSERTs of many rows each,
// so that the server parses a few hundred statements instead of one per row.
class InsertBatch {
public:
    InsertBatch(std::ostream& out, std::string_view table, std::string_view columns);
    InsertBatch(const InsertBatch&) = delete;
    InsertBatch& operator=(const InsertBatch&) = delete;

    void add(const RowValues& row);
    // Writes what is pending; the number of rows added in all.
    std::size_t finish();

private:
    static constexpr std::size_t kRowsPerStatement = 1000;

    std::ostream& m_out;
    std::string m_head;
    std::string m_pending;
    std::size_t m_pendingRows = 0;
    std::size_t m_total = 0;
};

} // namespace parvela::bench
