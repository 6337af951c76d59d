#pragma once

#include "stock/StockDefinition.h"

#include <string>
#include <vector>

namespace parvela::db {
class StatementRunner;
}
namespace parvela::platform {
class MessageBoxes;
}

namespace parvela::stock {

// Writes the product's name from the record once more, so that it passes
// through the name encoding again ("UPDATE_STOCK_NAME").
std::string nameRepairStatement(const StockDefinition& product);
int writeProductName(const db::StatementRunner& runner, const StockDefinition& product);
// The same after a box that shows the name's stored bytes.
int repairProductName(const db::StatementRunner& runner, platform::MessageBoxes& boxes,
                      const StockDefinition& product);

// Every product's name written back, many statements to a call; a failure
// is reported and the remaining calls go on.
void rewriteProductNames(const db::StatementRunner& runner,
                         const std::vector<StockDefinition>& products);

} // namespace parvela::stock
