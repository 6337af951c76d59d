#pragma once

#include "records/RecipeLine.h"
#include "records/StockRecords.h"

#include <vector>

namespace parvela::db {
class StatementRunner;
}

// The statements on the lines of a bundle menu, on the substitutes of one
// menu line and on the options of a product. Each returns 1, or -1 after a
// reported failure. The lines of one list go in one call.
namespace parvela::recipes {

using stock::StockCode;

int deleteBundle(const db::StatementRunner& runner, StockCode menu);
// Nothing is sent for no lines.
int insertBundleLines(const db::StatementRunner& runner, StockCode menu,
                      const std::vector<RecipeLine>& lines);

int deleteSubstitutes(const db::StatementRunner& runner, StockCode menu, StockCode lineProduct);
int insertSubstitutes(const db::StatementRunner& runner,
                      const std::vector<BundleSubstitute>& substitutes);

int deleteOptions(const db::StatementRunner& runner, StockCode product);
int insertOptions(const db::StatementRunner& runner, StockCode product,
                  const std::vector<RecipeLine>& lines);

} // namespace parvela::recipes
