#include "stock/catalogue/NameRepair.h"

#include "db/CodePage1254.h"
#include "db/SqlFormat.h"
#include "db/SqlLiteral.h"
#include "db/StatementRunner.h"
#include "platform/MessageBoxes.h"

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

namespace {

void writeBatch(const db::StatementRunner& runner, const std::vector<const StockDefinition*>& batch,
                NamesRewritten& tally) {
    std::string text;
    for (const StockDefinition* product : batch)
        text += nameRepairStatement(*product);
    if (runner.execute(kUpdateName, db::schema::stocks, text) != db::Outcome::Failed) {
        tally.written += static_cast<int>(batch.size());
        return;
    }
    // The statements before the failing one ran; writing them again is harmless.
    for (const StockDefinition* product : batch) {
        if (runner.executeQuietly(kUpdateName, db::schema::stocks, nameRepairStatement(*product)) !=
            db::Outcome::Failed)
            ++tally.written;
        else
            ++tally.failed;
    }
}

} // namespace

NamesRewritten rewriteProductNames(const db::StatementRunner& runner, platform::MessageBoxes& boxes,
                                   ProductList products) {
    NamesRewritten tally;
    std::vector<const StockDefinition*> batch;
    for (const StockDefinition& product : products) {
        batch.push_back(&product);
        if (batch.size() == kNamesPerCall) {
            writeBatch(runner, batch, tally);
            batch.clear();
        }
    }
    if (!batch.empty())
        writeBatch(runner, batch, tally);
    if (tally.failed > 0)
        boxes.tell(QStringLiteral("%1 ürün adından %2 tanesi yazılamadı.")
                       .arg(tally.written + tally.failed)
                       .arg(tally.failed),
                   QStringLiteral("UPDATE_STOCK_NAME"), platform::BoxIcon::Exclamation);
    return tally;
}

} // namespace parvela::stock
