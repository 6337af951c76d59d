#pragma once

#include "stock/StockBrowserScroll.h"

#include <QPoint>
#include <QString>
#include <functional>
#include <utility>

class QObject;
class QWidget;

namespace parvela::app {
class CatalogData;
}
namespace parvela::platform {
class MessageBoxes;
}

namespace parvela::stock {

class StockWindows;

// The stock window, as the windows it opens and the boxes it shows see it;
// both name the same window.
struct BrowserOwner {
    QWidget* window = nullptr;
    QObject* object = nullptr;
};

// Keys held with a function key. Only a left Ctrl may start the bulk
// actions; the platform does not tell the two Ctrl keys apart, so the
// window reports any Ctrl as the left one.
struct HeldKeys {
    bool ctrl = false;
    bool leftCtrl = false;
    bool shift = false;
};

// The stock window's rules: what its clicks, keys, searches, check boxes
// and scroll bar do to the list and the current product, and which action
// they start. The window moves events in and repaints after each call.
class StockBrowserModel {
public:
    StockBrowserModel(app::CatalogData& catalog, platform::MessageBoxes& boxes,
                      StockWindows& windows, BrowserOwner owner);

    // Receives every position the rules give the scroll bar.
    void setScrollBarSetter(std::function<void(int)> setter) { m_setBar = std::move(setter); }
    // The switches as a new window starts them; the recipes are read.
    void open();

    void ctrlClick(QPoint point);
    void leftClick(QPoint point);
    void doubleClick(QPoint point);
    void rightClick(QPoint point);
    void functionKey(Qt::Key key, HeldKeys held);

    void nameSearchChanged(const QString& text);
    // Enter in the barcode search; the window then empties the edit and
    // reports the list changed.
    void barcodeEntered(const QString& text);
    // 9099, 8088 or 7077.
    void platformFilterChanged(int codeClass, bool checked);
    void showRecipesChanged(bool checked);

    void wheel(bool towardsUser);
    void scrollBarStep(ScrollStep step, int barPosition, int thumb);
    // The product list changed: back to the top.
    void listChanged();

    StockBrowserState& browser();

private:
    bool toggleMarkerAt(QPoint point);
    void toggleDeletedAt(QPoint point);
    void selectRowAt(QPoint point);
    void toggleDayMenuAt(QPoint point);
    void selectRecipeLineAt(QPoint point);
    void dispatchButtons(QPoint point);
    bool dispatchFixedButtons(QPoint point);
    void dispatchProductButtons(QPoint point);

    void selectRow(std::size_t row);
    void clearHighlights(bool current);
    void selectRecipeLine(std::size_t line);
    StockDefinition* highlightedRow();
    void openForHighlighted(const QString& caption);
    void quickSale(bool add);
    void deleteCurrent();
    void rereadLists();
    void showEverything();
    // Keeps the full product list in step with a change made on a row.
    void updateProduct(const StockDefinition& row);
    void resetScrollBar();
    void notBuiltYet(const QString& caption);

    app::CatalogData& m_catalog;
    platform::MessageBoxes& m_boxes;
    StockWindows& m_windows;
    BrowserOwner m_owner;
    std::function<void(int)> m_setBar;
};

} // namespace parvela::stock
