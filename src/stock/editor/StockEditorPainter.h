#pragma once

#include "stock/catalogue/EditedProduct.h"

#include <QColor>

class QImage;
class QPainter;

namespace parvela::stock {

QColor toQColor(records::Rgb colour);

// The editor's own texts: field captions, the product's groups, its region
// and size prices, and a sample of its button colours.
void paintEditorLabels(QPainter& painter, const EditedProduct& edited);
// The product's picture, whole and centred in its place; nothing without one.
void paintEditorPicture(QPainter& painter, const QImage& picture);

} // namespace parvela::stock
