#pragma once

#include <QString>

// How an .xlsx writes what its cells hold; not for callers.
namespace parvela::spreadsheets::detail {

// The text with its "_xHHHH_" escapes turned back into the characters they
// stand for ("_x000D_" is a carriage return, "_x005F_" an underscore).
QString withoutCellEscapes(const QString& text);

// Whether a number shown through the number format `id`, whose own code is
// `code` (empty for the built-in formats), is a date or a time.
bool isDateFormat(int id, const QString& code);

// A date serial as the .xls reader writes dates: "2025-03-15",
// "2025-03-15 14:30:00", or "14:30:00" for a time alone. Empty when the
// serial is no date the format can show.
QString dateText(double serial, bool from1904);

} // namespace parvela::spreadsheets::detail
