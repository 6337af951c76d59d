#include "stock/StockBrowserHitTest.h"

#include "app/MainScreenState.h"

#include <algorithm>

namespace parvela::stock {

namespace {

bool inside(const groups::Rect& rect, QPoint point) {
    return app::contains(rect, point.x(), point.y());
}

} // namespace

int rowAt(const StockBrowserState& browser, QPoint point, RowCell cell) {
    const std::size_t end =
        std::min(browser.displayed.size(), browser.drawnFirst + browser.drawnCount);
    for (std::size_t i = browser.drawnFirst; i < end; ++i) {
        if (inside(browser.displayed[i].view.*cell, point))
            return static_cast<int>(i);
    }
    return -1;
}

int recipeLineAt(const StockBrowserState& browser, QPoint point, LineCell cell) {
    for (std::size_t i = 0; i < browser.panelLines.size(); ++i) {
        if (inside(browser.panelLines[i].*cell, point))
            return static_cast<int>(i);
    }
    return -1;
}

bool hitsButton(const StockBrowserState& browser, BrowserButton button, QPoint point) {
    return inside(browser.button(button), point);
}

bool hitsCell(const StockDefinition& product, RowCell cell, QPoint point) {
    return inside(product.view.*cell, point);
}

bool inListArea(QPoint point) {
    return inside(kListArea, point);
}

bool inDeadBand(QPoint point) {
    const int right = kListArea.right;
    return inside({right - 220, 6, right - 150, 32}, point);
}

} // namespace parvela::stock
