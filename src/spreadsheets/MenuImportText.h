#pragma once

#include "spreadsheets/MenuImport.h"

#include <QString>

class QObject;

namespace parvela::platform {
class MessageBoxes;
}

// What the import tells the user, in the window and on the command line.
namespace parvela::spreadsheets {

inline constexpr const char* kImportCaption = "YemekSepeti Menü";
// The reasons of refused rows the closing box lists at most.
inline constexpr int kReasonsShown = 5;

// "VcExcelSTOK.size() : N \nReading Stok from excel file is finished"
QString readStatusText(std::size_t rowCount);

// A name as the preview shows it: a line break or another control
// character as its visible sign (␍␊), so a row stays one line.
QString shownName(const QString& name);
// One line per warning of a row ("barkod katalogda var", ...), joined.
QString warningsOf(const PlannedProduct& planned);
// The totals under the preview.
QString planTotalsText(const ImportPlan& plan);
// The whole preview as text: a line per product (row, code, barcode, price,
// name, warnings) and the totals.
QString previewText(const ImportPlan& plan);

// The question before marked rows go in: how many there are.
QString markedQuestionText(int marked);
// Asks it, "Hayır" the default; true when no row is marked or the user
// answered "Evet".
bool confirmMarked(const ImportPlan& plan, platform::MessageBoxes& boxes, QObject* owner);

// The closing box: how many were inserted and refused, with the first
// reasons, or why none went in.
QString resultText(const ImportResult& result);

} // namespace parvela::spreadsheets
