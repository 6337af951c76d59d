#pragma once

#include "records/StockDefinition.h"

#include <QString>

class QObject;

namespace parvela::db {
class StatementRunner;
}
namespace parvela::platform {
class MessageBoxes;
}

// "SMALL MEDIUM LARGE": a product's three size prices.
namespace parvela::stock {

struct SizeForm {
    QString small;
    QString medium;
    QString large;
};

// The product's row of sml_med_lrg into the record; hasSizes when it has one.
void readProductSizes(const db::StatementRunner& runner, StockDefinition& product);
SizeForm sizeFormOf(const StockDefinition& product);

// "KAydet": the typed prices with the quantities read, rewritten in one
// transaction. False, with the record as it was, when a price is no number
// (a box names it) or the write failed (and said so).
bool saveSizes(const db::StatementRunner& runner, platform::MessageBoxes& boxes,
               StockDefinition& product, const SizeForm& form, QObject* owner);

} // namespace parvela::stock
