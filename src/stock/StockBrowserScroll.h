#pragma once

#include "stock/StockBrowserState.h"

#include <optional>

// How the wheel and the scroll bar move the stock window's first row.
namespace parvela::stock {

// The scroll bar's range is 0 to this.
inline constexpr int kScrollMaximum = 1000;

enum class ScrollStep { LineUp, LineDown, PageUp, PageDown, Thumb, Top, Bottom };

// index × maximum / count, the product first; 0 for an empty list.
int positionOfIndex(int index, int count);
// (position / maximum) × count, both whole numbers.
int indexOfPosition(int position, int count);

// Five rows per notch; returns the new scroll-bar position.
int wheel(StockBrowserState& browser, bool towardsUser);
// `barPosition` is where the bar stands now, `thumb` where the user dragged
// it. Returns the position the bar is to show, or nothing when it stays.
std::optional<int> scrollStep(StockBrowserState& browser, ScrollStep step, int barPosition,
                              int thumb);
// First row and bar back to the top.
void resetScroll(StockBrowserState& browser);

} // namespace parvela::stock
