#pragma once

#include "spreadsheets/Workbook.h"

#include <QByteArray>

// The two file formats' readers behind readWorkbook; not for callers.
namespace parvela::spreadsheets::detail {

// What went wrong inside a file; readWorkbook puts it in the user's words.
enum class Fault {
    None,
    NotWorkbook, // a container of that format holding no workbook
    Damaged,
    Password,
    NoSuchSheet,
    TooLarge, // past a bound of Workbook.h; the message says which
};

struct FormatRead {
    QStringList sheetNames;
    std::vector<SheetRow> rows;
    Fault fault = Fault::None;
    QString libraryMessage; // Damaged: the library's own words or code; TooLarge: the bound
};

// `path` is the file's name as the system spells it.
FormatRead readXls(const QByteArray& path, int position);
FormatRead readXlsx(const QByteArray& path, int position);

inline FormatRead faulty(Fault fault, const QString& libraryMessage = {}) {
    FormatRead read;
    read.fault = fault;
    read.libraryMessage = libraryMessage;
    return read;
}

// Marks `read` when the file has no sheet at `position`.
inline bool lacksSheet(FormatRead& read, int position) {
    if (position >= 0 && position < read.sheetNames.size())
        return false;
    read.fault = Fault::NoSuchSheet;
    return true;
}

inline Cell textCell(const QString& text) {
    return {Cell::Kind::Text, text, 0};
}
inline Cell numberCell(double number) {
    return {Cell::Kind::Number, {}, number};
}
inline Cell otherCell(const QString& text) {
    return {Cell::Kind::Other, text, 0};
}

// The rows 0 .. rowCount-1 of the used range, each without its trailing
// empty cells: both libraries report the range's full width for every row.
// Only `columns` (ascending) are looked at; the others hold nothing.
template <typename CellAt>
std::vector<SheetRow> collectRows(int rowCount, const std::vector<int>& columns, CellAt cellAt) {
    std::vector<SheetRow> rows(static_cast<size_t>(rowCount));
    for (int r = 0; r < rowCount; ++r) {
        SheetRow& row = rows[static_cast<size_t>(r)];
        for (const int c : columns) {
            Cell cell = cellAt(r, c);
            if (cell.kind == Cell::Kind::Empty)
                continue;
            row.resize(static_cast<size_t>(c));
            row.push_back(std::move(cell));
        }
    }
    return rows;
}

} // namespace parvela::spreadsheets::detail
