#pragma once

#include "spreadsheets/Workbook.h"

#include <optional>

namespace parvela::spreadsheets {

// What a cell gives a text field. A text as it stands; a whole number as its
// digits (8690000000017, never 8.69e+12 or "8690000000017.0"), since sheets
// keep barcodes and codes as numbers; another number in its shortest form
// with a decimal point; an empty cell as an empty text.
QString cellText(const Cell& cell);

struct SheetPrice {
    double value = 0;
    // A "1.250" read as the platform means it, 1250, though it could be 1,25:
    // a price to look at.
    bool dotThousands = false;
    friend bool operator==(const SheetPrice&, const SheetPrice&) = default;
};

// What a cell gives a price: a number as it stands, or a text read as a
// decimal number with a decimal comma or point ("12,50", "12.50",
// "1.234,50", "12,50 TL"), where a dot before exactly three digits groups
// thousands ("1.250" is 1250). Nothing for an empty cell or a text without a
// number in front.
std::optional<SheetPrice> cellPrice(const Cell& cell);

} // namespace parvela::spreadsheets
