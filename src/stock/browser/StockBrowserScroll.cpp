#include "stock/browser/StockBrowserScroll.h"

#include <algorithm>

namespace parvela::stock {

namespace {

constexpr int kWheelRows = 5;

int moveTo(StockBrowserState& browser, int firstRow) {
    browser.firstRow = std::clamp(firstRow, 0, lastFirstRow(browser));
    return browser.firstRow;
}

} // namespace

int lastFirstRow(const StockBrowserState& browser) {
    const int count = static_cast<int>(browser.displayed.size());
    return std::max(0, count - visibleRows(browser.showRecipes));
}

int wheel(StockBrowserState& browser, bool towardsUser) {
    return moveTo(browser, browser.firstRow + (towardsUser ? kWheelRows : -kWheelRows));
}

int scrollStep(StockBrowserState& browser, ScrollStep step, int thumb) {
    const int page = visibleRows(browser.showRecipes);
    switch (step) {
    case ScrollStep::LineUp:
        return moveTo(browser, browser.firstRow - 1);
    case ScrollStep::LineDown:
        return moveTo(browser, browser.firstRow + 1);
    case ScrollStep::PageUp:
        return moveTo(browser, browser.firstRow - page);
    case ScrollStep::PageDown:
        return moveTo(browser, browser.firstRow + page);
    case ScrollStep::Thumb:
        return moveTo(browser, thumb);
    case ScrollStep::Top:
        return moveTo(browser, 0);
    case ScrollStep::Bottom:
        return moveTo(browser, lastFirstRow(browser));
    }
    return browser.firstRow;
}

void resetScroll(StockBrowserState& browser) {
    browser.firstRow = 0;
}

} // namespace parvela::stock
