#pragma once

#include "stock/browser/StockBrowserState.h"

#include <QSize>
#include <QString>
#include <array>
#include <cstddef>
#include <vector>

class QPainter;

namespace parvela::groups {
class GroupData;
}

namespace parvela::stock {

// What one paint of the stock window shows (the list over the catalogue it
// holds); the paint writes the rectangles of the rows, cells, recipe lines
// and buttons it draws back into `browser`.
struct StockBrowserContent {
    StockBrowserState& browser;
    // Names of the Group A, B and C the list was opened for.
    std::array<QString, 3> headings;
};

// The names of the groups the list was opened for, empty where none.
std::array<QString, 3> browserHeadings(const groups::GroupData& groups,
                                       const StockBrowserState& browser);

// Draws the whole stock window and records every rectangle a click is
// matched against.
void paintStockBrowser(QPainter& painter, QSize client, StockBrowserContent& content);

} // namespace parvela::stock
