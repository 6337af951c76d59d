#include "stock/browser/StockBrowserHitTest.h"

namespace parvela::stock {

namespace {

bool inside(const Rect& rect, QPoint point) {
    return records::contains(rect, point.x(), point.y());
}

} // namespace

int rowAt(const StockBrowserState& browser, QPoint point, RowCell cell) {
    for (const DrawnRow& drawn : browser.drawnRows) {
        if (drawn.row < browser.displayed.size() && inside(drawn.cells.*cell, point))
            return static_cast<int>(drawn.row);
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

bool hitsCell(const StockBrowserState& browser, std::size_t row, RowCell cell, QPoint point) {
    for (const DrawnRow& drawn : browser.drawnRows) {
        if (drawn.row == row)
            return inside(drawn.cells.*cell, point);
    }
    return false;
}

bool inListArea(QPoint point) {
    return inside(kListArea, point);
}

bool inDeadBand(QPoint point) {
    const int right = kListArea.right;
    return inside({right - 220, 6, right - 150, 32}, point);
}

} // namespace parvela::stock
