#pragma once

#include "records/StockRecords.h"

namespace parvela::db {
class StatementRunner;
}

// Whether rows refer to a product. A check that fails is reported and
// answers true, so that a database failure blocks what asked.
namespace parvela::stock {

bool stockCodeExists(const db::StatementRunner& runner, StockCode code);
bool isOnOpenBill(const db::StatementRunner& runner, StockCode code);
bool hasSalesHistory(const db::StatementRunner& runner, StockCode code);
bool hasStockMovements(const db::StatementRunner& runner, StockCode code);

} // namespace parvela::stock
