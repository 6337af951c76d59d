#pragma once

#include <QImage>
#include <string_view>

namespace parvela::labels {

// A picture of the label the printer makes of an EPL2 command text: one
// pixel per dot, the A lines in their font's cell size (fonts 1 to 5 of a
// printer with `dotsPerMm` dots per millimetre: 8 or 12), the B lines' EAN-13
// bars, each rotated when its rotation is 1. Built from the commands, not the
// layout, so the picture shows what is sent.
QImage renderLabelPreview(std::string_view commands, int dotsPerMm = 8);

} // namespace parvela::labels
