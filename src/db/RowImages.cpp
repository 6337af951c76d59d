#include "db/RowImages.h"

#include "db/Row.h"
#include "db/SqlLiteral.h"

#include <algorithm>
#include <array>

namespace parvela::db {

namespace {

constexpr std::array kBinaryTypes{"binary", "varbinary",  "tinyblob",
                                  "blob",   "mediumblob", "longblob"};

ColumnKind kindOf(const std::string& dataType, bool hasCharset) {
    if (hasCharset)
        return ColumnKind::Text;
    if (std::find(kBinaryTypes.begin(), kBinaryTypes.end(), dataType) != kBinaryTypes.end())
        return ColumnKind::Binary;
    if (dataType == "float" || dataType == "double")
        return ColumnKind::Floating;
    if (dataType == "bit")
        return ColumnKind::Bit;
    return ColumnKind::Plain;
}

std::string selectExpression(const KeptColumn& column) {
    const std::string name = quotedName(column.name);
    switch (column.kind) {
    case ColumnKind::Text:
    case ColumnKind::Binary:
        return "HEX(" + name + ")";
    case ColumnKind::Floating:
        return "(" + name + " + 0e0)";
    case ColumnKind::Bit:
        return "(" + name + " + 0)";
    case ColumnKind::Plain:
        break;
    }
    return name;
}

std::string literalOf(const KeptColumn& column, const std::string& value) {
    switch (column.kind) {
    case ColumnKind::Text:
        return "_" + column.charset + " X'" + value + "'";
    case ColumnKind::Binary:
        return "X'" + value + "'";
    case ColumnKind::Bit:
        return value;
    case ColumnKind::Floating:
    case ColumnKind::Plain:
        break;
    }
    return quotedLiteral(value);
}

std::string selectText(const KeptTable& table, const std::string& keyList, bool lock) {
    std::string text = "SELECT CAST(" + quotedName(table.keyColumn) + " AS CHAR)";
    for (const KeptColumn& column : table.columns)
        text += "," + selectExpression(column);
    text += " FROM " + table.qualifiedName() + " WHERE " + quotedName(table.keyColumn) + " IN " +
            keyList;
    if (lock)
        text += " FOR UPDATE";
    return text;
}

} // namespace

std::string quotedName(std::string_view name) {
    std::string quoted = "`";
    for (const char c : name) {
        quoted += c;
        if (c == '`')
            quoted += '`';
    }
    return quoted + "`";
}

std::string KeptTable::qualifiedName() const {
    return quotedName(schemaName) + "." + quotedName(table);
}

std::string KeptTable::columnList() const {
    std::string list = "(";
    for (const KeptColumn& column : columns)
        list += (list.size() > 1 ? "," : "") + quotedName(column.name);
    return list + ")";
}

Outcome readKeptColumns(const ImageQuery& query, KeptTable& table) {
    std::vector<KeptColumn> columns;
    const Outcome outcome = query(
        "SELECT COLUMN_NAME, DATA_TYPE, CHARACTER_SET_NAME FROM information_schema.COLUMNS "
        "WHERE TABLE_SCHEMA = " +
            quotedLiteral(table.schemaName) + " AND TABLE_NAME = " + quotedLiteral(table.table) +
            " AND EXTRA NOT LIKE '%GENERATED%' ORDER BY ORDINAL_POSITION",
        [&](const Row& row) {
            const bool hasCharset = !row.isNull(3);
            columns.push_back({row.bytes(1), kindOf(row.bytes(2), hasCharset),
                               hasCharset ? row.bytes(3) : std::string()});
        });
    table.columns = std::move(columns);
    return outcome;
}

Outcome readRowImage(const ImageQuery& query, const KeptTable& table,
                     const std::vector<std::string>& keys, bool lock, RowImage& image) {
    for (const std::string& list : keyLists(keys)) {
        const Outcome outcome = query(selectText(table, list, lock), [&](const Row& row) {
            std::string tuple = "(";
            for (std::size_t i = 0; i < table.columns.size(); ++i) {
                const int column = static_cast<int>(i) + 2;
                if (i > 0)
                    tuple += ',';
                tuple += row.isNull(column) ? std::string("NULL")
                                            : literalOf(table.columns[i], row.bytes(column));
            }
            image[row.bytes(1)].push_back(tuple + ")");
        });
        if (outcome != Outcome::Completed)
            return outcome;
    }
    for (auto& [key, tuples] : image)
        std::sort(tuples.begin(), tuples.end());
    return Outcome::Completed;
}

std::vector<std::string> chunkedInserts(const std::string& head,
                                        const std::vector<std::string>& tuples) {
    std::vector<std::string> statements;
    std::string statement;
    for (const std::string& tuple : tuples) {
        if (statement.empty())
            statement = head;
        else
            statement += ',';
        statement += tuple;
        if (statement.size() >= kBytesPerInsert) {
            statements.push_back(std::move(statement));
            statement.clear();
        }
    }
    if (!statement.empty())
        statements.push_back(std::move(statement));
    return statements;
}

std::vector<std::string> keyLists(const std::vector<std::string>& keys) {
    std::vector<std::string> lists;
    for (std::size_t first = 0; first < keys.size(); first += kKeysPerSelect) {
        const std::size_t last = std::min(keys.size(), first + kKeysPerSelect);
        std::string list = "(";
        for (std::size_t i = first; i < last; ++i)
            list += (i > first ? "," : "") + quotedLiteral(keys[i]);
        lists.push_back(list + ")");
    }
    return lists;
}

} // namespace parvela::db
