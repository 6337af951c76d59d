#pragma once

#include "spreadsheets/Workbook.h"

#include <QString>
#include <chrono>
#include <functional>

namespace parvela::spreadsheets {

inline constexpr const char* kSheetReaderProgram = "parvela-sheet-reader";
inline constexpr std::chrono::seconds kSheetReadLimit{120};
// The memory (address space) the reader program may take: the bounds of
// Workbook.h keep a read well below it, this stops what they do not foresee.
inline constexpr qint64 kSheetReaderMemory = 1024LL * 1024 * 1024;
// The reader's exit code when it ran out of that memory.
inline constexpr int kReaderOutOfMemory = 4;

// Where the import's sheets come from: readWorkbook itself, or the reader
// program below.
using SheetSource = std::function<WorkbookRead(const QString& path, int position)>;

inline const QString kSheetReadCancelled = QStringLiteral("Tablo okuma iptal edildi.");

// Reads the workbook in the helper program `program`: a file damaged so
// that a reading library crashes (FreeXL does on some) ends that program
// only, and a read that outlasts `limit` is stopped. Either is told as a
// damaged file; a read that needs more than `memory` bytes is told as a
// sheet too large. Once `cancelled` says so, the program is killed and the
// read fails with kSheetReadCancelled.
WorkbookRead readWorkbookApart(const QString& program, const QString& path, int position,
                               std::chrono::milliseconds limit = kSheetReadLimit,
                               qint64 memory = kSheetReaderMemory,
                               const std::function<bool()>& cancelled = {});

// readWorkbookApart with the program's own sheet reader.
SheetSource sheetReaderApart(std::function<bool()> cancelled = {});

} // namespace parvela::spreadsheets
