#pragma once

#include "stock/browser/StockBrowserState.h"
#include "stock/catalogue/StockFeatures.h"
#include "stock/catalogue/StockWindows.h"

#include <QPointer>
#include <QWidget>
#include <functional>

namespace parvela::stock {
struct StockContext;
}

namespace parvela::app {

// Opens the stock window and the product editor, at most one window of each
// kind, and keeps what the stock window remembers between openings. After a
// save the stock window's list is built again.
class StockWindowOpener : public stock::StockWindows {
public:
    StockWindowOpener(stock::StockContext& context, stock::StockFeatures features,
                      std::function<void()> afterChange)
        : m_context(context)
        , m_features(features)
        , m_afterChange(std::move(afterChange)) {}

    // The stock window, opened when none is open; owned by `owner`.
    QWidget* openBrowser(QWidget* owner);
    void openNewProduct(QWidget* owner) override;
    void openEditProduct(const stock::StockDefinition& current, QWidget* owner) override;

    stock::StockBrowserState& browserState() { return m_browserState; }
    QWidget* browser() const { return m_browser; }
    QWidget* newProductWindow() const { return m_newWindow; }
    QWidget* editWindow() const { return m_editWindow; }

private:
    std::function<void()> reapply();

    stock::StockContext& m_context;
    stock::StockFeatures m_features;
    std::function<void()> m_afterChange;
    stock::StockBrowserState m_browserState;
    QPointer<QWidget> m_browser;
    QPointer<QWidget> m_newWindow;
    QPointer<QWidget> m_editWindow;
};

} // namespace parvela::app
