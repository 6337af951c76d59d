#pragma once

#include "db/ChangeBehindProgress.h"
#include "records/ProductList.h"

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

struct NamesRewritten {
    int written = 0;
    int failed = 0;
};

// Every product's name written back, many statements to a call, in one
// change journalled as "Convert TURKISH CHARS": a failing call (said under
// its tag) leaves every name as it was, and all count as failed. Pass the
// products as just read from the server, so that names changed elsewhere
// are not undone. The list is held for the run, whatever is read meanwhile.
// The change runs behind `show`'s progress dialog; "İptal" between batches
// takes it back whole and is said.
NamesRewritten rewriteProductNames(const db::StatementRunner& runner, platform::MessageBoxes& boxes,
                                   ProductList products, const db::ProgressShower& show = {},
                                   QObject* owner = nullptr);

} // namespace parvela::stock
