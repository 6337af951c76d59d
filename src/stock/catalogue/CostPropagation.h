#pragma once

#include "recipes/CostIndex.h"
#include "records/StockDefinition.h"

#include <memory>

namespace parvela::db {
class StatementRunner;
}
namespace parvela::platform {
class JobReport;
} // namespace parvela::platform

namespace parvela::stock {

// Recomputes and writes the cost of every product whose recipe uses the
// saved product directly, in one transaction. Reports the range, then one
// step per product; a cancelled job writes none. Returns the number of
// products, or -1 when they could not be read or written.
int propagateCost(const db::StatementRunner& runner, StockCode saved,
                  const recipes::CostIndex& costs, platform::JobReport& report);

// The same as a background job: its statements' failures are shown through
// the job's boxes.
std::function<void(platform::JobReport&)>
costPropagationJob(const db::StatementRunner& runner, StockCode saved,
                   std::shared_ptr<const recipes::CostIndex> costs);

} // namespace parvela::stock
