#pragma once

#include "records/ProductList.h"
#include "spreadsheets/WorkbookApart.h"
#include "stock/catalogue/NextCode.h"

#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace parvela::db {
class StatementRunner;
}

// The delivery platform's menu brought in from a sheet: each row becomes a
// new product under a code of the 777 series.
namespace parvela::spreadsheets {

inline constexpr int kImportPrefix = 777;
inline constexpr int kImportType = 777;
inline constexpr double kImportKdv = 20.0;
// No dish costs a million: a price past it is a misread cell, refused.
inline constexpr double kImportMaxPrice = 1000000.0;

// A row of the sheet as a product: barcode, name, retail price and part
// number filled, nothing else yet.
struct ImportRow {
    int sheetRow = 0; // as the spreadsheet program numbers it, from 1
    stock::StockDefinition product;
    bool nameCut = false;         // longer than the name field keeps
    bool nameHasControls = false; // a line break or another control character
    bool priceMissing = false;    // no number in the price column
    bool priceThousands = false;  // a "1.250" taken for 1250
    bool priceNegative = false;
    bool priceTooHigh = false; // past kImportMaxPrice either way
    // A date, a truth value or an error where the barcode or the price
    // belongs, as the sheet shows it; the field stays empty.
    QString barcodeNotText;
    QString priceNotNumber;
};

// The rows after the header (when there is one). Rows without any value are
// left out: a sheet's formatting often reaches past its last product.
std::vector<ImportRow> rowsOfSheet(const std::vector<SheetRow>& rows, bool hasHeader);

struct PlannedProduct {
    ImportRow row; // its product now carries code, type, VAT, unit and sku
    bool barcodeInCatalogue = false;
    bool barcodeRepeated = false; // another row of the sheet has it too
};

struct ImportPlan {
    std::vector<PlannedProduct> products;
    int barcodesInCatalogue = 0;
    int barcodesRepeated = 0;
    int namesEmpty = 0;
    int namesCut = 0;
    int pricesMissing = 0;
    int pricesToCheck = 0;   // taken for thousands, negative, too high or no number
    int barcodesToCheck = 0; // no barcode but a date or the like
    int namesToCheck = 0;    // with control characters
    int marked = 0;          // rows with any of the above
};

// Whether the preview marks the row with something to look at.
bool isMarked(const PlannedProduct& planned);

// Row i takes the first free code of prefix 777 from counter i + 1; each code
// given counts as taken for the rows after it.
ImportPlan planImport(std::vector<ImportRow> rows, const stock::CodeSet& taken,
                      const stock::CodeSet& retired, const stock::ProductList& catalogue);

// The same with the codes in use read from the server now; nothing when a
// read failed (it said so).
std::optional<ImportPlan> planImport(const db::StatementRunner& runner, std::vector<ImportRow> rows,
                                     const stock::ProductList& catalogue);

// A sheet read and its import planned.
struct SheetPlan {
    QStringList sheetNames;
    ImportPlan plan;
    // Why there is no plan: the reader's message with the file name, or the
    // failed read of the codes (reported already). Empty when planned.
    QString error;
};

// The sheet at position `sheet` read through `source`.
SheetPlan planSheet(const SheetSource& source, const QString& path, int sheet, bool hasHeader,
                    const db::StatementRunner& runner, const stock::ProductList& catalogue);

struct ImportResult {
    int inserted = 0;
    int refused = 0;
    int notTried = 0; // rows that stayed out because the import went back whole
    bool cancelled = false;
    // Why the server refused the import, which then wrote nothing.
    QString failure;
    // The codes the preview showed were taken meanwhile: the rows went in
    // under the next free ones.
    bool codesMoved = false;
    // "Satır N: reason", in sheet order.
    QStringList reasons;
};

// Inserts the planned products in one transaction, each with the statement
// the stock editor's new product is inserted with; a price past
// kImportMaxPrice is refused without asking the server, and the other rows go
// in. The codes are drawn again under a lock the server holds for one import
// at a time, so two imports never take the same code. A failure or a cancel
// leaves the server as it was. `afterEach` gets the number of rows done and
// answers whether to go on.
ImportResult insertPlanned(const ImportPlan& plan, const db::StatementRunner& runner,
                           const std::function<bool(int done)>& afterEach = {});

} // namespace parvela::spreadsheets
