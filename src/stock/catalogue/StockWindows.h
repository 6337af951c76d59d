#pragma once

#include "records/StockDefinition.h"

class QWidget;

namespace parvela::stock {

// How the stock window opens the product editor without knowing how it is
// built: the program answers these.
class StockWindows {
public:
    virtual ~StockWindows() = default;
    // The new-product window, when none is open; owned by `owner`.
    virtual void openNewProduct(QWidget* owner) = 0;
    // The edit window for a copy of `current`, when none is open.
    virtual void openEditProduct(const StockDefinition& current, QWidget* owner) = 0;
};

} // namespace parvela::stock
