#pragma once

#include "stock/browser/StockBrowserState.h"

#include <optional>

// How the wheel and the scroll bar move the stock window's first row. The
// scroll bar counts rows: its position is the first row, its maximum the
// first row of the last full page, its page a screenful.
namespace parvela::stock {

enum class ScrollStep { LineUp, LineDown, PageUp, PageDown, Thumb, Top, Bottom };

// The first row of the last full page (0 when everything fits).
int lastFirstRow(const StockBrowserState& browser);

// Five rows per notch; returns the new scroll-bar position.
int wheel(StockBrowserState& browser, bool towardsUser);
// `thumb` is where the user dragged the thumb to. Returns the position the
// bar is to show.
int scrollStep(StockBrowserState& browser, ScrollStep step, int thumb);
// First row back to the top.
void resetScroll(StockBrowserState& browser);

} // namespace parvela::stock
