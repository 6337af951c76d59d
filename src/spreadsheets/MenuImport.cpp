#include "spreadsheets/MenuImport.h"

#include "db/ChangeJournal.h"
#include "db/FixedField.h"
#include "db/Row.h"
#include "db/SqlFormat.h"
#include "db/StatementRunner.h"
#include "db/Transaction.h"
#include "db/TypedNumber.h"
#include "platform/MessageBoxes.h"
#include "spreadsheets/CellValues.h"
#include "spreadsheets/MenuImportText.h"
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

// Row i takes the first free code of the series from counter i + 1 on, and
// each code drawn counts as taken for the rows after it: every counter below
// the last one drawn is taken, so the walk goes on from there.
class CodeDraw {
public:
    CodeDraw(const stock::CodeSet& taken, const stock::CodeSet& retired)
        : m_taken(taken)
        , m_retired(retired) {}

    stock::StockCode next(std::size_t row) {
        m_counter = std::max(m_counter, static_cast<long long>(row) + 1);
        for (;; ++m_counter) {
            const stock::StockCode code = stock::composeCode(kImportPrefix, m_counter);
            if (code == stock::kNoCode)
                return code;
            if (!m_taken.contains(code) && !m_retired.contains(code)) {
                ++m_counter;
                return code;
            }
        }
    }

private:
    const stock::CodeSet& m_taken;
    const stock::CodeSet& m_retired;
    long long m_counter = 1;
};

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

const db::Operation kInsertOperation("INSERT_NEW_STOCK_DEFINITION");
// Rows an INSERT call carries: a few hundred keep a call well inside the
// server's packet limit and let "İptal" be heard soon.
constexpr std::size_t kRowsPerCall = 200;
// One import draws codes at a time; the next one waits for it this long.
constexpr int kCodeLockSeconds = 120;
constexpr const char* kCodeTurn = "menu_import_codes";

// Takes the import's turn in the transaction: it goes with the commit or the
// rollback. It must come before the transaction's first read of a table,
// whose snapshot then holds every import committed before.
bool lockCodes(const db::StatementRunner& runner) {
    return runner.execute(
               kInsertOperation, db::schema::stocks,
               db::takeTurnText(kCodeTurn, kCodeLockSeconds,
                                "başka bir içe aktarma sürüyor; biraz sonra yeniden deneyin")) ==
           db::Outcome::Completed;
}

// Under the lock, the codes in use now: the preview's codes hold unless
// another import or station took some meanwhile, when every row takes its
// code by the same rule again. `products` gets the rows at `going`.
bool drawCodesAgain(const db::StatementRunner& runner, const ImportPlan& plan,
                    const std::vector<std::size_t>& going,
                    std::vector<stock::StockDefinition>& products, bool& moved) {
    std::vector<stock::StockCode> inUse;
    if (stock::readCodesInUse(runner, inUse) < 0)
        return false;
    const stock::CodeSet taken = stock::codeSetOf(inUse);
    const stock::CodeSet none;
    CodeDraw codes(taken, none);
    std::vector<stock::StockCode> drawn(plan.products.size());
    for (std::size_t i = 0; i < drawn.size(); ++i)
        drawn[i] = codes.next(i);
    products.reserve(going.size());
    for (const std::size_t i : going) {
        stock::StockDefinition product = plan.products[i].row.product;
        moved = moved || product.stcode != drawn[i];
        fileUnder(product, drawn[i]);
        products.push_back(std::move(product));
    }
    return true;
}

} // namespace

std::vector<ImportRow> rowsOfSheet(const std::vector<SheetRow>& rows, bool hasHeader) {
    std::vector<ImportRow> result;
    result.reserve(rows.size());
    for (std::size_t i = hasHeader ? 1 : 0; i < rows.size(); ++i)
        if (!isBlank(rows[i]))
            result.push_back(importRowOf(rows[i], static_cast<int>(i) + 1));
    return result;
}

ImportPlan planImport(std::vector<ImportRow> rows, const stock::CodeSet& taken,
                      const stock::CodeSet& retired, const stock::ProductList& catalogue) {
    ImportPlan plan;
    plan.products.reserve(rows.size());
    CodeDraw codes(taken, retired);
    for (ImportRow& row : rows) {
        fileUnder(row.product, codes.next(plan.products.size()));
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
    // Codes of deleted products and those other tables still carry are as
    // good as taken: a new product would inherit their rows.
    std::vector<stock::StockCode> inUse;
    if (stock::readCodesInUse(runner, inUse) < 0)
        return std::nullopt;
    return planImport(std::move(rows), stock::codeSetOf(inUse), {}, catalogue);
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
    std::vector<std::size_t> going; // positions in the plan of the rows sent
    for (std::size_t i = 0; i < plan.products.size(); ++i) {
        const ImportRow& row = plan.products[i].row;
        if (const QString refusal = refusalOf(row); !refusal.isEmpty()) {
            ++result.refused;
            result.reasons << QStringLiteral("Satır %1: %2").arg(row.sheetRow).arg(refusal);
        } else {
            going.push_back(i);
        }
    }
    if (going.empty())
        return result;
    // The server's failures go into the closing text rather than into boxes.
    ReasonBoxes failures;
    const db::StatementRunner quiet = runner.withBoxes(failures);
    const auto stopped = [&](bool cancelled) {
        result.notTried = static_cast<int>(going.size());
        result.cancelled = cancelled;
        if (!cancelled && result.failure.isEmpty())
            result.failure = failures.take();
        if (!cancelled && result.failure.isEmpty())
            result.failure = QStringLiteral("sunucu yanıt vermedi");
        return result;
    };

    db::Transaction change(quiet, kInsertOperation);
    change.journalAs(kImportCaption);
    if (!lockCodes(quiet))
        return stopped(false);
    std::vector<stock::StockDefinition> products;
    if (!drawCodesAgain(quiet, plan, going, products, result.codesMoved))
        return stopped(false);
    std::vector<std::string> codes;
    codes.reserve(products.size());
    for (const stock::StockDefinition& product : products)
        codes.push_back(std::to_string(product.stcode));
    change.keep(db::schema::stocks, "stckdef", "stcode", codes);

    for (std::size_t first = 0; first < products.size(); first += kRowsPerCall) {
        const std::size_t end = std::min(products.size(), first + kRowsPerCall);
        std::string statements;
        for (std::size_t i = first; i < end; ++i)
            statements += stock::insertStatement(products[i]);
        if (quiet.execute(kInsertOperation, db::schema::stocks, statements) == db::Outcome::Failed)
            return stopped(false);
        if (afterEach && !afterEach(static_cast<int>(going[end - 1]) + 1)) {
            change.rollback();
            return stopped(true);
        }
    }
    if (change.commit() != db::Outcome::Completed)
        return stopped(false);
    result.inserted = static_cast<int>(products.size());
    return result;
}

} // namespace parvela::spreadsheets
