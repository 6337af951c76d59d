#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// Spreadsheets as this program reads them: the cells of one sheet, row by
// row, whichever of the two file formats they came in.
namespace parvela::spreadsheets {

struct Cell {
    enum class Kind {
        Empty,
        Text,
        Number,
        Other, // a date, time, truth value or error: `text` holds its text form
    };
    Kind kind = Kind::Empty;
    QString text;      // Text and Other
    double number = 0; // Number
};

using SheetRow = std::vector<Cell>;

struct WorkbookRead {
    // Every sheet of the file, in order.
    QStringList sheetNames;
    // The rows of the sheet asked for, from the first row of the file (a
    // header row included); a row may be shorter than another.
    std::vector<SheetRow> rows;
    // Why nothing was read, in the user's words with the reader's own
    // message; empty when the sheet was read.
    QString error;
};

// What reading one sheet may take, so that a small file cannot cost
// gigabytes: the parts of an .xlsx unpacked together, and the cells held
// (in a row, the empty ones before a cell count too).
inline constexpr qint64 kUnpackedLimit = 32 * 1024 * 1024;
inline constexpr qint64 kCellLimit = 1000000;

// Reads the sheet at `position` (0 is the first) of an Excel 97 (.xls) or an
// Office Open (.xlsx) workbook. The two are told apart by their first bytes,
// not by the file name, so a renamed file still reads.
WorkbookRead readWorkbook(const QString& path, int position);

} // namespace parvela::spreadsheets
