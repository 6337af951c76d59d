#pragma once

#include "spreadsheets/Workbook.h"

#include <chrono>
#include <functional>

namespace parvela::spreadsheets {

inline constexpr const char* kSheetReaderProgram = "parvela-sheet-reader";
inline constexpr std::chrono::seconds kSheetReadLimit{120};

// Where the import's sheets come from: readWorkbook itself, or the reader
// program below.
using SheetSource = std::function<WorkbookRead(const QString& path, int position)>;

// Reads the workbook in the helper program `program`: a file damaged so
// that a reading library crashes (FreeXL does on some) ends that program
// only, and a read that outlasts `limit` is stopped. Either is told as a
// damaged file.
WorkbookRead readWorkbookApart(const QString& program, const QString& path, int position,
                               std::chrono::milliseconds limit = kSheetReadLimit);

// readWorkbookApart with the program's own sheet reader.
SheetSource sheetReaderApart();

} // namespace parvela::spreadsheets
