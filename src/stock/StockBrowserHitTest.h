#pragma once

#include "stock/StockBrowserState.h"

#include <QPoint>

// Which drawn row, cell, recipe line or button a point of the stock window
// lies on, from the rectangles of the last paint (edges included). Only the
// rows of the last paint count: rows scrolled away keep old rectangles.
namespace parvela::stock {

using RowCell = groups::Rect StockViewState::*;
using LineCell = groups::Rect RecipePanelLine::*;

// The index into the displayed list, or -1.
int rowAt(const StockBrowserState& browser, QPoint point, RowCell cell = &StockViewState::rowRect);
// The index into the panel lines, or -1.
int recipeLineAt(const StockBrowserState& browser, QPoint point,
                 LineCell cell = &RecipePanelLine::rowRect);
bool hitsButton(const StockBrowserState& browser, BrowserButton button, QPoint point);
bool hitsCell(const StockDefinition& product, RowCell cell, QPoint point);
bool inListArea(QPoint point);
// The strip between the search captions and "Oku" that swallows clicks.
bool inDeadBand(QPoint point);

} // namespace parvela::stock
