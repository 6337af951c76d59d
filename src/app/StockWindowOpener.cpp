#include "app/StockWindowOpener.h"

#include "app/CatalogData.h"
#include "stock/ProductFilters.h"
#include "stock/StockEditorWindow.h"

namespace parvela::app {

std::function<void()> StockWindowOpener::reapply() {
    return [this] {
        stock::reapplyFilter(m_catalog.browser(), m_catalog.stock().products);
        if (m_afterChange)
            m_afterChange();
    };
}

void StockWindowOpener::openNewProduct(QWidget* owner) {
    if (m_newWindow)
        return;
    m_newWindow =
        stock::StockEditorWindow::openNew(m_catalog, m_boxes, m_messenger, owner, reapply());
}

void StockWindowOpener::openEditProduct(QWidget* owner) {
    if (m_editWindow)
        return;
    m_editWindow =
        stock::StockEditorWindow::openEdit(m_catalog, m_boxes, m_messenger, owner, reapply());
}

} // namespace parvela::app
