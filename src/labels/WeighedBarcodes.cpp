#include "labels/WeighedBarcodes.h"

#include "db/SqlFormat.h"
#include "db/SqlLiteral.h"
#include "db/StatementRunner.h"
#include "db/Transaction.h"
#include "labels/BarcodeText.h"
#include "platform/BackgroundJobs.h"
#include "platform/BulkChangeBoxes.h"
#include "platform/MessageBoxes.h"

#include <charconv>
#include <chrono>
#include <thread>

namespace parvela::labels {

namespace {

constexpr std::size_t kWeighedKey = 7;
constexpr std::size_t kFullEanCode = 13;
constexpr auto kShowNewCodeFor = std::chrono::milliseconds(300);
// Products renumbered between two looks at "İptal".
constexpr std::size_t kCancelBatch = 50;

// The number the first two characters read as; 0 for a text of two or less.
int twoDigitPrefix(const std::string& barcode) {
    int prefix = 0;
    if (barcode.size() > 2)
        std::from_chars(barcode.data(), barcode.data() + 2, prefix);
    return prefix;
}

bool isWeighedPrefix(int prefix) {
    return prefix >= 24 && prefix <= 28;
}

int firstFreeWeighedCode(const db::StatementRunner& runner) {
    int code = kFirstWeighedCode;
    while (weighedCodeUsed(runner, std::to_string(code)) > 0)
        ++code;
    return code;
}

// The rows the update matched: 1, or 0 for a product gone meanwhile.
std::uint64_t setWeighedCode(const db::StatementRunner& runner, stock::StockCode code,
                             int barcode) {
    std::uint64_t matched = 0;
    (void)runner.executeCounted(
        db::Operation("SET_PLU_OTOMATIK_BARCODE"), db::schema::stocks,
        db::sqlf("UPDATE stckdef SET stckdef.barcode='%d' WHERE stckdef.stcode=%lld;", barcode,
                 static_cast<long long>(code)),
        matched);
    return matched;
}

} // namespace

db::Operation barcodeRowsOperation() {
    return db::Operation("If_BARKOD_EXISTS", db::BoxStyle::ExclamationTopmost);
}

std::string barcodeRowsStatement(const std::string& barcode) {
    return "SELECT * FROM stocks.stckdef WHERE stocks.stckdef.barcode=" +
           db::quotedLiteral(barcode) + ";";
}

int weighedCodeUsed(const db::StatementRunner& runner, const std::string& barcode) {
    bool found = false;
    (void)runner.queryFirst(barcodeRowsOperation(), db::schema::stocks,
                            barcodeRowsStatement(barcode),
                            [&found](const db::Row&) { found = true; });
    return found ? 1 : 0;
}

std::string validateWeighedBarcode(const db::StatementRunner& runner, platform::MessageBoxes& boxes,
                                   const std::string& barcode,
                                   const std::function<void(const std::string&)>& showNewCode) {
    if (!isWeighedPrefix(twoDigitPrefix(barcode)) || barcode.size() >= kFullEanCode)
        return barcode;
    const std::string key = barcode.size() >= kWeighedKey ? barcode.substr(0, kWeighedKey) : "";
    // An empty barcode is no code at all, however many products have none.
    if (key.empty() || weighedCodeUsed(runner, key) <= 0)
        return key;
    const std::string next = std::to_string(firstFreeWeighedCode(runner));
    platform::BoxRequest box;
    box.text =
        QStringLiteral("Bu barkod tanımlı oldugundan\n bir sonraki bos barkod no ataniyor:  %1")
            .arg(QString::fromStdString(next));
    box.caption = QStringLiteral("VALIDATE_BARCODE");
    box.icon = platform::BoxIcon::Exclamation;
    boxes.show(box);
    if (showNewCode)
        showNewCode(next);
    std::this_thread::sleep_for(kShowNewCodeFor);
    return next;
}

void assignWeighedBarcodes(const db::StatementRunner& runner, platform::MessageBoxes& boxes,
                           stock::ProductList products,
                           const std::function<void(const std::vector<AssignedCode>&)>& assigned,
                           QObject* owner, const db::ProgressShower& show) {
    const QString caption = QStringLiteral("Tartılı Ürün Kodları");
    std::vector<AssignedCode> numbered;
    std::vector<std::string> keys;
    int barcode = kFirstWeighedCode;
    for (const stock::StockDefinition& product : products) {
        if (!product.is_weighed)
            continue;
        numbered.push_back({product.stcode, std::to_string(barcode++)});
        keys.push_back(std::to_string(product.stcode));
    }
    if (!platform::confirmBulkChange(boxes, caption, numbered.size(), owner))
        return;
    // Written by the job, read once it has ended.
    std::uint64_t matched = 0;
    const db::ChangeEnd ended = db::runChangeBehindProgress(
        runner, boxes, show, caption,
        [&](const db::StatementRunner& jobRunner, platform::JobReport& report) {
            report.setRange(static_cast<int>(numbered.size()));
            // All renumbered or none: a half-renumbered list gives two products one code.
            db::Transaction change(jobRunner, db::Operation("SET_PLU_OTOMATIK_BARCODE"));
            change.journalAs(caption.toStdString());
            change.keep(db::schema::stocks, "stckdef", "stcode", keys);
            for (std::size_t i = 0; i < numbered.size() && !change.failed(); ++i) {
                if (i % kCancelBatch == 0) {
                    if (report.cancelled())
                        return false;
                    report.step(static_cast<int>(i));
                }
                matched +=
                    setWeighedCode(jobRunner, numbered[i].product, std::stoi(numbered[i].barcode));
            }
            return change.commit() == db::Outcome::Completed;
        },
        owner);
    if (ended == db::ChangeEnd::Cancelled)
        platform::tellBulkCancelled(boxes, caption, owner);
    if (ended != db::ChangeEnd::Written)
        return;
    if (assigned)
        assigned(numbered);
    boxes.tell(QStringLiteral("SET_PLU_OTOMATIK_BARCODE finished.."),
               QStringLiteral("SET_PLU_OTOMATIK_BARCODE"));
    platform::tellBulkChanged(boxes, caption, matched, owner);
}

} // namespace parvela::labels
