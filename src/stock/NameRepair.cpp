#include "stock/NameRepair.h"

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
    boxes.tell(db::Cp1254::decode(product.stnameRaw), QStringLiteral("raw_StokName - "));
    return writeProductName(runner, product);
}

void rewriteProductNames(const db::StatementRunner& runner,
                         const std::vector<StockDefinition>& products) {
    std::string batch;
    std::size_t inBatch = 0;
    for (const StockDefinition& product : products) {
        batch += nameRepairStatement(product);
        if (++inBatch == kNamesPerCall) {
            (void)runner.execute(kUpdateName, db::schema::stocks, batch);
            batch.clear();
            inBatch = 0;
        }
    }
    if (!batch.empty())
        (void)runner.execute(kUpdateName, db::schema::stocks, batch);
}

} // namespace parvela::stock
