#pragma once

class QWidget;

namespace parvela::stock {

// How the stock window opens the product editor without knowing how it is
// built: the program's main window answers these.
class StockWindows {
public:
    virtual ~StockWindows() = default;
    // The new-product window, when none is open; owned by `owner`.
    virtual void openNewProduct(QWidget* owner) = 0;
    // The edit window for the current product, when none is open.
    virtual void openEditProduct(QWidget* owner) = 0;
};

} // namespace parvela::stock
