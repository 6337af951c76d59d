#pragma once

#include "app/MainFeatures.h"
#include "stock/catalogue/StockFeatures.h"

namespace parvela::platform {
class MessageBoxes;
}

namespace parvela::app {

class CatalogData;

// The two ordering windows of the main window and the one-product order
// dialog of the stock window, on the program's catalog.
class OrderingFeatures : public OrderingWindows, public stock::OrderWindows {
public:
    OrderingFeatures(CatalogData& catalog, platform::MessageBoxes& boxes)
        : m_catalog(catalog)
        , m_boxes(boxes) {}

    // The Group B menus of the selected Group A, or all of them.
    QWidget* openMenuOrdering(QWidget* owner) override;
    QWidget* openProductOrdering(QWidget* owner) override;
    // After a save the order rows are read again and the product shows its
    // new places at once.
    void productOrder(const stock::StockDefinition& product, QWidget* owner) override;

private:
    void showSavedMenuOrder(QWidget* mainWindow);

    CatalogData& m_catalog;
    platform::MessageBoxes& m_boxes;
};

} // namespace parvela::app
