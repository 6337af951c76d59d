#pragma once

#include "stock/StockDefinition.h"

#include <QColor>

class QPainter;

namespace parvela::stock {

QColor toQColor(groups::Rgb colour);

// The editor's own texts: field captions, the product's groups, its region
// and size prices, and a sample of its button colours.
void paintEditorLabels(QPainter& painter, const StockDefinition& product);

} // namespace parvela::stock
