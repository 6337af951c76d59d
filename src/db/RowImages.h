#pragma once

#include "db/StatementRunner.h"

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace parvela::db {

// How a column's value is read so that writing it back restores its bytes.
enum class ColumnKind {
    Text,     // read as hex, written with its own character set's introducer
    Binary,   // read as hex, written as a hex literal
    Floating, // read as a double (a FLOAT's own text is rounded to six digits)
    Bit,      // read as a number
    Plain,    // numbers, decimals, dates and times: their text is exact
};

struct KeptColumn {
    std::string name;
    ColumnKind kind = ColumnKind::Plain;
    std::string charset;
};

// A table whose rows a change keeps, found by the product code in keyColumn.
struct KeptTable {
    std::string schemaName;
    std::string table;
    std::string keyColumn;
    // The writable columns (generated ones left out), in the table's order.
    std::vector<KeptColumn> columns;

    std::string qualifiedName() const;
    // "(`a`,`b`,…)", for writing the images back.
    std::string columnList() const;
};

// Each product code's rows as value tuples "(…,…)", sorted: two images of a
// product are equal exactly when its rows hold the same bytes.
using RowImage = std::map<std::string, std::vector<std::string>>;

// Runs one SELECT and hands each row to the handler.
using ImageQuery = std::function<Outcome(const std::string& text, const RowHandler& onRow)>;

// Keys go to the server this many to a SELECT: one statement per chunk,
// never one per product.
inline constexpr std::size_t kKeysPerSelect = 1000;
// A multi-row INSERT grows to about this many bytes before the next begins.
inline constexpr std::size_t kBytesPerInsert = 512 * 1024;

std::string quotedName(std::string_view name);

// The writable columns of schemaName.table as the server describes them now.
Outcome readKeptColumns(const ImageQuery& query, KeptTable& table);

// The rows of `keys` (added to `image`), locked FOR UPDATE when `lock`.
Outcome readRowImage(const ImageQuery& query, const KeptTable& table,
                     const std::vector<std::string>& keys, bool lock, RowImage& image);

// INSERT statements of at most about kBytesPerInsert bytes each: `head`
// ("INSERT INTO t (…) VALUES ") followed by the tuples.
std::vector<std::string> chunkedInserts(const std::string& head,
                                        const std::vector<std::string>& tuples);

// "IN (…)" lists of at most kKeysPerSelect quoted keys each.
std::vector<std::string> keyLists(const std::vector<std::string>& keys);

} // namespace parvela::db
