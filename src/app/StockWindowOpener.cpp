#include "app/StockWindowOpener.h"

#include "stock/browser/StockBrowserWindow.h"
#include "stock/catalogue/StockContext.h"
#include "stock/editor/StockEditorWindow.h"

namespace parvela::app {

std::function<void()> StockWindowOpener::reapply() {
    // The stock window takes the newer catalogue itself, when no action of
    // its own is under way.
    return [this] {
        if (m_afterChange)
            m_afterChange();
    };
}

QWidget* StockWindowOpener::openBrowser(QWidget* owner) {
    if (m_browser)
        return m_browser;
    auto* window =
        new stock::StockBrowserWindow(m_context, m_browserState, *this, m_features, owner);
    window->setAttribute(Qt::WA_DeleteOnClose);
    m_browser = window;
    window->show();
    return window;
}

void StockWindowOpener::openNewProduct(QWidget* owner) {
    if (m_newWindow)
        return;
    m_newWindow = stock::StockEditorWindow::openNew(m_context, m_features, owner, reapply());
}

void StockWindowOpener::openEditProduct(const stock::StockDefinition& current, QWidget* owner) {
    if (m_editWindow)
        return;
    m_editWindow =
        stock::StockEditorWindow::openEdit(m_context, m_features, current, owner, reapply());
}

} // namespace parvela::app
