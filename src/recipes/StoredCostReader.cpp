#include "recipes/StoredCostReader.h"

#include "db/ListReader.h"

namespace parvela::recipes {

int readStoredCosts(const db::StatementRunner& runner, StoredCosts& costs) {
    costs.clear();
    const db::Outcome outcome =
        runner.query(db::Operation("READ_STOK_MALIYETLERI"), db::schema::stocks,
                     "SELECT stcode,unitcost FROM stckdef;", [&](const db::Row& row) {
                         if (costs.empty())
                             costs.reserve(row.resultRows());
                         costs.try_emplace(row.int64(1), row.real(2));
                     });
    if (outcome == db::Outcome::Failed) {
        costs.clear();
        return db::kReadFailed;
    }
    return static_cast<int>(costs.size());
}

} // namespace parvela::recipes
