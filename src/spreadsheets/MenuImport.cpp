#include "spreadsheets/MenuImport.h"

#include "db/FixedField.h"
#include "db/SqlFormat.h"
#include "db/StatementRunner.h"
#include "db/TypedNumber.h"
#include "platform/MessageBoxes.h"
#include "spreadsheets/CellValues.h"
#include "stock/catalogue/ProductWriter.h"
#include "stock/catalogue/StockListReaders.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <unordered_set>

namespace parvela::spreadsheets {

namespace {

// Positions of the platform's columns; 1, 3, 4, 6 and 8 are not used.
namespace column {
constexpr std::size_t kBarcode = 0;
constexpr std::size_t kName = 2;
constexpr std::size_t kPrice = 5;
constexpr std::size_t kPartNumber = 7;
} // namespace column

const Cell kEmptyCell;

const Cell& cellAt(const SheetRow& row, std::size_t position) {
    return position < row.size() ? row[position] : kEmptyCell;
}

// Texts and numbers fill the text fields; a date or a truth value in a
// barcode or name column is a mistake of the sheet, not a value.
QString fieldText(const Cell& cell) {
    const bool usable = cell.kind == Cell::Kind::Text || cell.kind == Cell::Kind::Number;
    return usable ? cellText(cell) : QString();
}

std::string narrowField(const Cell& cell, std::size_t fieldSize) {
    return db::fitField(fieldText(cell).toStdString(), fieldSize);
}

bool isBlank(const SheetRow& row) {
    for (const Cell& cell : row) {
        if (cell.kind != Cell::Kind::Empty && !cell.text.trimmed().isEmpty())
            return false;
        if (cell.kind == Cell::Kind::Number)
            return false;
    }
    return true;
}

// What a date or the like shows, where a text or a number belongs.
QString notFieldText(const Cell& cell) {
    return cell.kind == Cell::Kind::Other ? cell.text : QString();
}

bool hasControls(const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.category() == QChar::Other_Control; });
}

ImportRow importRowOf(const SheetRow& cells, int sheetRow) {
    ImportRow row;
    row.sheetRow = sheetRow;
    stock::StockDefinition& product = row.product;
    const Cell& barcode = cellAt(cells, column::kBarcode);
    product.barcode = narrowField(barcode, stock::field::kCodeText);
    row.barcodeNotText = notFieldText(barcode);
    const QString name = fieldText(cellAt(cells, column::kName));
    product.stname = db::fitField(name, stock::field::kName);
    row.nameCut = product.stname.size() < name.size();
    row.nameHasControls = hasControls(product.stname);
    const Cell& priceCell = cellAt(cells, column::kPrice);
    const std::optional<SheetPrice> price = cellPrice(priceCell);
    product.sellp1 = price ? price->value : 0.0;
    row.priceNotNumber = notFieldText(priceCell);
    row.priceMissing = !price.has_value() && row.priceNotNumber.isEmpty();
    row.priceThousands = price && price->dotThousands;
    row.priceNegative = product.sellp1 < 0;
    row.priceTooHigh = !(std::fabs(product.sellp1) <= kImportMaxPrice);
    product.partnum = narrowField(cellAt(cells, column::kPartNumber), stock::field::kCodeText);
    return row;
}

// Why the import keeps a row from the server, or empty when it does not.
QString refusalOf(const ImportRow& row) {
    if (!row.priceTooHigh)
        return {};
    return QStringLiteral("fiyatı (%1) %2 TL sınırını aşıyor")
        .arg(QString::number(row.product.sellp1, 'g', 15), db::shownPrice(kImportMaxPrice));
}

// The code and the fixed values every imported product takes.
void fileUnder(stock::StockDefinition& product, stock::StockCode code) {
    product.stcode = code;
    product.type = kImportType;
    product.kdv = kImportKdv;
    product.unit = "ad";
    const std::string barcodeStart(db::fitField(std::string_view(product.barcode), 9));
    product.sku = db::fitField(barcodeStart + db::sqlf("%lld", static_cast<long long>(code)),
                               stock::field::kSku);
}

void markBarcodes(ImportPlan& plan, const stock::ProductList& catalogue) {
    std::unordered_set<std::string> known;
    known.reserve(catalogue.size());
    for (const stock::StockDefinition& product : catalogue)
        if (!product.barcode.empty())
            known.insert(product.barcode);
    std::unordered_map<std::string, int> inSheet;
    for (const PlannedProduct& planned : plan.products)
        if (!planned.row.product.barcode.empty())
            ++inSheet[planned.row.product.barcode];
    for (PlannedProduct& planned : plan.products) {
        const std::string& barcode = planned.row.product.barcode;
        if (barcode.empty())
            continue;
        planned.barcodeInCatalogue = known.contains(barcode);
        planned.barcodeRepeated = inSheet[barcode] > 1;
        plan.barcodesInCatalogue += planned.barcodeInCatalogue ? 1 : 0;
        plan.barcodesRepeated += planned.barcodeRepeated ? 1 : 0;
    }
}

// Keeps the first box of a row as its reason instead of showing it.
class ReasonBoxes : public platform::MessageBoxes {
public:
    platform::BoxAnswer show(const platform::BoxRequest& request) override {
        if (m_first.isEmpty())
            m_first = request.text;
        return platform::escapeAnswerOf(request.buttons);
    }
    QString take() { return std::exchange(m_first, QString()); }

private:
    QString m_first;
};

} // namespace

std::vector<ImportRow> rowsOfSheet(const std::vector<SheetRow>& rows, bool hasHeader) {
    std::vector<ImportRow> result;
    result.reserve(rows.size());
    for (std::size_t i = hasHeader ? 1 : 0; i < rows.size(); ++i)
        if (!isBlank(rows[i]))
            result.push_back(importRowOf(rows[i], static_cast<int>(i) + 1));
    return result;
}

ImportPlan planImport(std::vector<ImportRow> rows, stock::CodeSet taken,
                      const stock::CodeSet& retired, const stock::ProductList& catalogue) {
    ImportPlan plan;
    plan.products.reserve(rows.size());
    int counter = 1;
    for (ImportRow& row : rows) {
        const stock::StockCode code =
            stock::firstFreeCode(kImportPrefix, counter++, taken, retired);
        taken.insert(code);
        fileUnder(row.product, code);
        plan.namesEmpty += row.product.stname.isEmpty() ? 1 : 0;
        plan.namesCut += row.nameCut ? 1 : 0;
        plan.namesToCheck += row.nameHasControls ? 1 : 0;
        plan.pricesMissing += row.priceMissing ? 1 : 0;
        plan.pricesToCheck += row.priceThousands || row.priceNegative || row.priceTooHigh ||
                                      !row.priceNotNumber.isEmpty()
                                  ? 1
                                  : 0;
        plan.barcodesToCheck += row.barcodeNotText.isEmpty() ? 0 : 1;
        plan.products.push_back({std::move(row)});
    }
    markBarcodes(plan, catalogue);
    plan.marked =
        static_cast<int>(std::count_if(plan.products.begin(), plan.products.end(),
                                       [](const PlannedProduct& p) { return isMarked(p); }));
    return plan;
}

bool isMarked(const PlannedProduct& planned) {
    const ImportRow& row = planned.row;
    return planned.barcodeInCatalogue || planned.barcodeRepeated || row.product.stname.isEmpty() ||
           row.nameCut || row.nameHasControls || row.priceMissing || row.priceThousands ||
           row.priceNegative || row.priceTooHigh || !row.barcodeNotText.isEmpty() ||
           !row.priceNotNumber.isEmpty();
}

std::optional<ImportPlan> planImport(const db::StatementRunner& runner, std::vector<ImportRow> rows,
                                     const stock::ProductList& catalogue) {
    std::vector<stock::StockCode> codes;
    std::vector<stock::StockCode> deleted;
    std::vector<stock::StockCode> owning;
    const db::ServerLossScope scope(runner);
    if (stock::readStockCodes(runner, codes, deleted) < 0 ||
        stock::readCodesOwningRows(runner, owning) < 0)
        return std::nullopt;
    // Codes other tables still carry are as good as taken: a new product
    // would inherit their rows.
    stock::CodeSet retired = stock::codeSetOf(deleted);
    retired.insert(owning.begin(), owning.end());
    return planImport(std::move(rows), stock::codeSetOf(codes), retired, catalogue);
}

SheetPlan planSheet(const SheetSource& source, const QString& path, int sheet, bool hasHeader,
                    const db::StatementRunner& runner, const stock::ProductList& catalogue) {
    WorkbookRead read = source(path, sheet);
    SheetPlan result{std::move(read.sheetNames), {}, std::move(read.error)};
    if (!result.error.isEmpty())
        return result;
    std::optional<ImportPlan> plan =
        planImport(runner, rowsOfSheet(read.rows, hasHeader), catalogue);
    if (plan)
        result.plan = std::move(*plan);
    else
        result.error = QStringLiteral("Kullanılan stok kodları okunamadı.");
    return result;
}

ImportResult insertPlanned(const ImportPlan& plan, const db::StatementRunner& runner,
                           const std::function<bool(int done)>& afterEach) {
    ImportResult result;
    // Refusals of the insert and failures of the server apart: only the
    // second end the run.
    ReasonBoxes refusals;
    ReasonBoxes failures;
    const db::StatementRunner quiet = runner.withBoxes(failures);
    const int total = static_cast<int>(plan.products.size());
    for (int i = 0; i < total; ++i) {
        const PlannedProduct& planned = plan.products[static_cast<std::size_t>(i)];
        QString refusal = refusalOf(planned.row);
        const bool inserted =
            refusal.isEmpty() && stock::insertProduct(quiet, refusals, planned.row.product) == 1;
        const QString failure = failures.take();
        if (refusal.isEmpty())
            refusal = refusals.take();
        if (inserted) {
            ++result.inserted;
        } else {
            ++result.refused;
            result.reasons << QStringLiteral("Satır %1: %2")
                                  .arg(planned.row.sheetRow)
                                  .arg(failure.isEmpty() ? refusal : failure);
        }
        if (!failure.isEmpty() || (afterEach && !afterEach(i + 1))) {
            result.notTried = total - i - 1;
            break;
        }
    }
    return result;
}

} // namespace parvela::spreadsheets
