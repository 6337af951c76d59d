#pragma once

#include "app/BatchCommands.h"
#include "recipes/CostReport.h"

#include <optional>

namespace parvela::app {

class CatalogData;

// The cost report over the catalog's lists, with the costs as the server
// holds them; nothing after a reported failure.
std::optional<recipes::CostReport> costReportOf(CatalogData& catalog);

// "cost-report --stcode N" prints the report of product N; "--stale" only
// the products whose stored cost is stale.
BatchCommand costReportCommand();

} // namespace parvela::app
