#include "stock/StockBrowserScroll.h"

namespace parvela::stock {

namespace {

constexpr int kWheelRows = 5;
constexpr int kPageStep = 30;
// Where "bottom" puts the remembered position; the list is not moved.
constexpr int kBottomPosition = 540;

int countOf(const StockBrowserState& browser) {
    return static_cast<int>(browser.displayed.size());
}

int followIndex(StockBrowserState& browser) {
    browser.scrollPosition = positionOfIndex(browser.firstRow, countOf(browser));
    return browser.scrollPosition;
}

int followPosition(StockBrowserState& browser) {
    browser.firstRow = indexOfPosition(browser.scrollPosition, countOf(browser));
    return browser.scrollPosition;
}

} // namespace

int positionOfIndex(int index, int count) {
    return count > 0 ? index * kScrollMaximum / count : 0;
}

int indexOfPosition(int position, int count) {
    return position / kScrollMaximum * count;
}

int wheel(StockBrowserState& browser, bool towardsUser) {
    if (towardsUser) {
        if (countOf(browser) >= browser.firstRow)
            browser.firstRow += kWheelRows;
    } else {
        browser.firstRow = browser.firstRow > kWheelRows ? browser.firstRow - kWheelRows : 0;
    }
    return followIndex(browser);
}

std::optional<int> scrollStep(StockBrowserState& browser, ScrollStep step, int barPosition,
                              int thumb) {
    browser.scrollPosition = barPosition;
    switch (step) {
    case ScrollStep::LineUp:
        if (browser.firstRow > 0)
            --browser.firstRow;
        return followIndex(browser);
    case ScrollStep::LineDown:
        if (browser.firstRow < countOf(browser))
            ++browser.firstRow;
        return followIndex(browser);
    case ScrollStep::PageUp:
        if (browser.scrollPosition > 0)
            browser.scrollPosition -= kPageStep;
        return followPosition(browser);
    case ScrollStep::PageDown:
        browser.scrollPosition += kPageStep;
        return followPosition(browser);
    case ScrollStep::Thumb:
        browser.scrollPosition = thumb;
        return followPosition(browser);
    case ScrollStep::Top:
        browser.scrollPosition = 0;
        return std::nullopt;
    case ScrollStep::Bottom:
        browser.scrollPosition = kBottomPosition;
        return std::nullopt;
    }
    return std::nullopt;
}

void resetScroll(StockBrowserState& browser) {
    browser.firstRow = 0;
    browser.scrollPosition = 0;
}

} // namespace parvela::stock
