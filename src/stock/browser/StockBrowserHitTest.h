#pragma once

#include "stock/browser/StockBrowserState.h"

#include <QPoint>

// Which drawn row, cell, recipe line or button a point of the stock window
// lies on, from the rectangles of the last paint (edges included). Only the
// rows of the last paint count.
namespace parvela::stock {

using RowCell = Rect RowCells::*;
using LineCell = Rect RecipePanelLine::*;

// The index into the displayed list, or -1.
int rowAt(const StockBrowserState& browser, QPoint point, RowCell cell = &RowCells::rowRect);
// The index into the panel lines, or -1.
int recipeLineAt(const StockBrowserState& browser, QPoint point,
                 LineCell cell = &RecipePanelLine::rowRect);
bool hitsButton(const StockBrowserState& browser, BrowserButton button, QPoint point);
// Whether the point lies in that cell of the displayed row, as last drawn.
bool hitsCell(const StockBrowserState& browser, std::size_t row, RowCell cell, QPoint point);
bool inListArea(QPoint point);
// The strip between the search captions and "Oku" that swallows clicks.
bool inDeadBand(QPoint point);

} // namespace parvela::stock
