#pragma once

#include "stock/StockWindows.h"

#include <QPointer>
#include <QWidget>
#include <functional>

namespace parvela::platform {
class MessageBoxes;
class ProgramMessenger;
} // namespace parvela::platform

namespace parvela::app {

class CatalogData;

// Opens the product editor for the stock window, at most one window of each
// kind; after a save the stock window's list is built again.
class StockWindowOpener : public stock::StockWindows {
public:
    StockWindowOpener(CatalogData& catalog, platform::MessageBoxes& boxes,
                      const platform::ProgramMessenger& messenger,
                      std::function<void()> afterChange)
        : m_catalog(catalog)
        , m_boxes(boxes)
        , m_messenger(messenger)
        , m_afterChange(std::move(afterChange)) {}

    void openNewProduct(QWidget* owner) override;
    void openEditProduct(QWidget* owner) override;

    QWidget* newProductWindow() const { return m_newWindow; }
    QWidget* editWindow() const { return m_editWindow; }

private:
    std::function<void()> reapply();

    CatalogData& m_catalog;
    platform::MessageBoxes& m_boxes;
    const platform::ProgramMessenger& m_messenger;
    std::function<void()> m_afterChange;
    QPointer<QWidget> m_newWindow;
    QPointer<QWidget> m_editWindow;
};

} // namespace parvela::app
