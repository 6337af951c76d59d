#pragma once

#include <QImage>
#include <string_view>

namespace parvela::labels {

// A picture of the label the printer makes of an EPL2 command text: one
// pixel per dot, black on white, the A lines in their font's cell size (fonts
// 1 to 5 of a printer with `dotsPerMm` dots per millimetre: 8 or 12), the B
// lines' EAN-13 bars, each turned clockwise by its rotation (1 to 3 quarter
// turns) with the turned box's top left corner at its x,y. Built from the
// commands, not the layout, so the picture shows what is sent. At least
// 400 x 240 dots (or the q and Q size), grown to hold every element.
QImage renderLabelPreview(std::string_view commands, int dotsPerMm = 8);

} // namespace parvela::labels
