#pragma once

#include "app/BatchCommands.h"
#include "recipes/CostReport.h"

#include <optional>

namespace parvela::app {

class CatalogData;

// The cost report over the catalog's lists, with the costs as the server
// holds them; nothing after a reported failure.
std::optional<recipes::CostReport> costReportOf(CatalogData& catalog);

// "Maliyetleri Güncelle" over the catalog: every stale cost the report finds
// now becomes the full cost in one change, and the products are read again.
// The number written, or -1 after a reported failure.
int fixStaleCosts(CatalogData& catalog);

// "cost-report --stcode N" prints the report of product N; "--stale" only
// the products whose stored cost is stale; "--fix-stale" mends those.
BatchCommand costReportCommand();

} // namespace parvela::app
