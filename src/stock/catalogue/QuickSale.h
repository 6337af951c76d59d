#pragma once

#include "records/StockDefinition.h"

class QObject;

namespace parvela::db {
class StatementRunner;
}
namespace parvela::platform {
class MessageBoxes;
}

// The products on the quick-sale panel of the tills (hizli_satis_stok).
namespace parvela::stock {

// Whether the code is listed; -1 after a reported failure, else 1 or 0.
int isQuickSaleProduct(const db::StatementRunner& runner, StockCode code);
// Lists the product unless it is listed already, which the user is told
// instead. 1 when inserted, 0 when already listed, -1 after a failure.
int addQuickSale(const db::StatementRunner& runner, platform::MessageBoxes& boxes,
                 const StockDefinition& product, QObject* owner);
// 1, or -1 after a reported failure.
int removeQuickSale(const db::StatementRunner& runner, StockCode code);

} // namespace parvela::stock
