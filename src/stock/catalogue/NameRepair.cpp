#include "stock/catalogue/NameRepair.h"

#include "db/CodePage1254.h"
#include "db/SqlFormat.h"
#include "db/SqlLiteral.h"
#include "db/StatementRunner.h"
#include "platform/BackgroundJobs.h"
#include "platform/BulkChangeBoxes.h"
#include "platform/MessageBoxes.h"
#include "stock/catalogue/BulkChange.h"

#include <algorithm>

namespace parvela::stock {

namespace {
// Statements sent in one call: one connection for many rows.
constexpr std::size_t kNamesPerCall = 250;
const db::Operation kUpdateName("UPDATE_STOCK_NAME");
} // namespace

std::string nameRepairStatement(const StockDefinition& product) {
    return "UPDATE stckdef SET stname=" + db::latin5Literal(product.stname, field::kNameLiteral) +
           db::sqlf(" WHERE stcode=%lld ;", static_cast<long long>(product.stcode));
}

int writeProductName(const db::StatementRunner& runner, const StockDefinition& product) {
    return runner.execute(kUpdateName, db::schema::stocks, nameRepairStatement(product)) ==
                   db::Outcome::Failed
               ? -1
               : 1;
}

int repairProductName(const db::StatementRunner& runner, platform::MessageBoxes& boxes,
                      const StockDefinition& product) {
    // The name's bytes as the server holds them, read as code page 1254.
    const QByteArray raw = product.stname.toUtf8();
    boxes.tell(
        db::Cp1254::decode(std::string_view(raw.constData(), static_cast<size_t>(raw.size()))),
        QStringLiteral("raw_StokName - "));
    return writeProductName(runner, product);
}

NamesRewritten rewriteProductNames(const db::StatementRunner& runner, platform::MessageBoxes& boxes,
                                   ProductList products, const db::ProgressShower& show,
                                   QObject* owner) {
    std::vector<StockCode> codes;
    codes.reserve(products.size());
    for (const StockDefinition& product : products)
        codes.push_back(product.stcode);
    std::vector<std::string> statements;
    statements.reserve(products.size());
    for (const StockDefinition& product : products)
        statements.push_back(nameRepairStatement(product));
    const QString caption = QStringLiteral("Convert TURKISH CHARS");
    const db::ChangeEnd ended = db::runChangeBehindProgress(
        runner, boxes, show, caption,
        [&](const db::StatementRunner& jobRunner, platform::JobReport& report) {
            report.setRange(static_cast<int>(statements.size()));
            return runBulkChange(jobRunner, kUpdateName, caption, codes, {kStockRows}, [&] {
                for (std::size_t first = 0; first < statements.size(); first += kNamesPerCall) {
                    if (report.cancelled())
                        return false;
                    report.step(static_cast<int>(first));
                    std::string text;
                    const std::size_t end = std::min(statements.size(), first + kNamesPerCall);
                    for (std::size_t i = first; i < end; ++i)
                        text += statements[i];
                    if (jobRunner.execute(kUpdateName, db::schema::stocks, text) ==
                        db::Outcome::Failed)
                        return false;
                }
                return true;
            });
        },
        owner);
    if (ended == db::ChangeEnd::Cancelled)
        platform::tellBulkCancelled(boxes, caption, owner);
    const bool written = ended == db::ChangeEnd::Written;
    const int count = static_cast<int>(products.size());
    return written ? NamesRewritten{count, 0} : NamesRewritten{0, count};
}

} // namespace parvela::stock
