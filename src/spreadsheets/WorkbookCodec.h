#pragma once

#include "spreadsheets/Workbook.h"

#include <QByteArray>
#include <optional>

// A sheet read in one process and handed to another.
namespace parvela::spreadsheets {

QByteArray encodeWorkbook(const WorkbookRead& read);
// Nothing when the bytes are not a whole encoded read.
std::optional<WorkbookRead> decodeWorkbook(const QByteArray& bytes);

} // namespace parvela::spreadsheets
