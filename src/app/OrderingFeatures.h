#pragma once

#include "app/MainFeatures.h"
#include "stock/catalogue/StockFeatures.h"

#include <functional>

namespace parvela::platform {
class MessageBoxes;
}

namespace parvela::app {

class CatalogData;

// The two ordering windows of the main window and the one-product order
// dialog of the stock window, on the program's catalog.
class OrderingFeatures : public OrderingWindows, public stock::OrderWindows {
public:
    // `readProductsLater` reads the products again after an order changed.
    OrderingFeatures(CatalogData& catalog, platform::MessageBoxes& boxes,
                     std::function<void()> readProductsLater = {})
        : m_catalog(catalog)
        , m_boxes(boxes)
        , m_readProductsLater(std::move(readProductsLater)) {}

    // The Group B menus of the selected Group A, or all of them.
    QWidget* openMenuOrdering(QWidget* owner) override;
    QWidget* openProductOrdering(QWidget* owner) override;
    // After a save the order rows are read again at once and the products
    // in the background.
    void productOrder(const stock::StockDefinition& product, QWidget* owner) override;

private:
    void showSavedMenuOrder(QWidget* mainWindow);

    CatalogData& m_catalog;
    platform::MessageBoxes& m_boxes;
    std::function<void()> m_readProductsLater;
};

} // namespace parvela::app
