#pragma once

#include "stock/browser/StockBrowserScroll.h"
#include "stock/catalogue/StockFeatures.h"

#include <QPoint>
#include <QString>
#include <functional>
#include <utility>

class QObject;
class QWidget;

namespace parvela::stock {

struct StockContext;
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
// While one of them runs (a box or a dialog may be up) the list stays built
// on the catalogue it shows; a newer one is taken in when none runs, and
// every action finds its products by code in the newest catalogue.
class StockBrowserModel {
public:
    StockBrowserModel(StockContext& context, StockBrowserState& state, StockWindows& windows,
                      StockFeatures features, BrowserOwner owner);

    // Receives every position the rules give the scroll bar.
    void setScrollBarSetter(std::function<void(int)> setter) { m_setBar = std::move(setter); }
    // The switches as a new window starts them; the recipes are read.
    void open();
    // Builds the list again, by code, when a newer catalogue came; call
    // before painting or handling an event. Does nothing while an action runs.
    void refresh();

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
    void scrollBarStep(ScrollStep step, int thumb);
    // The product list changed: back to the top, with the current product
    // as the list now holds it.
    void listChanged();

    StockBrowserState& browser() { return m_state; }

private:
    // Marks an action under way: the list is not rebuilt under it, but as
    // soon as the last one ends.
    class Acting {
    public:
        explicit Acting(StockBrowserModel& model)
            : m_model(model) {
            ++m_model.m_acting;
        }
        ~Acting() {
            if (--m_model.m_acting == 0)
                m_model.refresh();
        }
        Acting(const Acting&) = delete;
        Acting& operator=(const Acting&) = delete;

    private:
        StockBrowserModel& m_model;
    };

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
    // The highlighted row, made the current product; false when none is.
    bool takeHighlighted();
    std::vector<StockCode> markedCodes() const;
    // The codes of the listed rows, in list order.
    std::vector<StockCode> listedCodes() const;
    std::vector<StockCode> codesOfRows(const std::function<bool(const BrowserRow&)>& wanted) const;
    void quickSale(bool add);
    void deleteCurrent();
    void rereadLists();
    void showEverything();
    // The current product follows what the newest catalogue holds of it.
    void followCurrent();
    const CatalogueRef& newest() const;
    void resetScrollBar();

    StockContext& m_context;
    StockBrowserState& m_state;
    StockWindows& m_windows;
    StockFeatures m_features;
    BrowserOwner m_owner;
    std::function<void(int)> m_setBar;
    int m_acting = 0;
};

} // namespace parvela::stock
