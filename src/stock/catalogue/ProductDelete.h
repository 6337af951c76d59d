#pragma once

#include "records/StockDefinition.h"

class QObject;

namespace parvela::db {
class StatementRunner;
}
namespace parvela::platform {
class MessageBoxes;
}

namespace parvela::stock {

enum class DeleteResult {
    NothingSelected,
    NotConfirmed,
    OnOpenBill,
    HasMovements,
    HasSales,
    Failed,
    Deleted
};

// Deletes the current product after asking, unless it is on an open bill, has
// stock movements or has sales (checked in that order). Every box belongs to
// `owner`. Rows of other tables that belong to the product stay.
DeleteResult deleteProduct(const db::StatementRunner& runner, platform::MessageBoxes& boxes,
                           const StockDefinition* current, QObject* owner);

} // namespace parvela::stock
