#include "recipes/StaleCostFix.h"

#include "db/SqlFormat.h"
#include "db/StatementBatch.h"
#include "db/StatementRunner.h"
#include "db/Transaction.h"

#include <string>
#include <vector>

namespace parvela::recipes {

int fixStaleCosts(const db::StatementRunner& runner, const StaleList& stale) {
    if (stale.products.empty())
        return 0;
    const db::Operation op("UPDATE_STOCK_COST");
    std::vector<std::string> codes;
    std::vector<std::string> statements;
    codes.reserve(stale.products.size());
    statements.reserve(stale.products.size());
    for (const StaleCost& product : stale.products) {
        const auto code = static_cast<long long>(product.code);
        codes.push_back(std::to_string(code));
        // The recipe dialog's own cost update.
        statements.push_back(db::sqlf("UPDATE stocks.stckdef SET unitcost=%.3f WHERE stcode=%lld;",
                                      product.full, code));
    }
    db::Transaction change(runner, op);
    change.journalAs(kFixStaleCaption);
    change.keep(db::schema::stocks, "stckdef", "stcode", codes);
    (void)db::executeAll(runner, op, db::schema::stocks, statements);
    return change.commit() == db::Outcome::Completed ? static_cast<int>(codes.size()) : -1;
}

QString staleFixedText(int written) {
    return QStringLiteral("%1 ürünün maliyeti güncellendi.").arg(written);
}

} // namespace parvela::recipes
