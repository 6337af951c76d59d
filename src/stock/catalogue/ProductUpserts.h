#pragma once

#include "db/OperationTag.h"
#include "records/StockDefinition.h"

#include <string>

namespace parvela::db {
class StatementRunner;
}

// The rows of other tables that a product's save writes with it.
namespace parvela::stock {

inline constexpr int kDiscountAccount = 1013;

// Each returns false when a statement of it failed (and said so).

// One row of schema stocks written by its existence query: the update when
// the query finds a row, else the insert. A failed query writes nothing.
struct RowUpsert {
    db::Operation queryOp;
    std::string query;
    db::Operation updateOp;
    std::string update;
    db::Operation insertOp;
    std::string insert;
};
bool upsert(const db::StatementRunner& runner, const RowUpsert& row);

// The product's colours row: updated when it exists, else inserted.
bool upsertColours(const db::StatementRunner& runner, const StockDefinition& product);
// The product's discount row, likewise; a new row always belongs to account 1013.
bool upsertDiscount(const db::StatementRunner& runner, const StockDefinition& product);
// The product's price difference in its region, rewritten only when it is not 0.
bool writeRegionPrice(const db::StatementRunner& runner, const StockDefinition& product);

} // namespace parvela::stock
