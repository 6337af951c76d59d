#pragma once

#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QString>

namespace parvela::platform {

// The font, made smaller a pixel at a time down to `smallest`, in which the
// text fits `width`: a name is shown whole wherever a slightly smaller font
// makes room, and only cut where even that does not.
inline QFont fittedFont(QFont font, const QString& text, int width, int smallest = 9) {
    if (QFontMetrics(font).horizontalAdvance(text) <= width)
        return font;
    if (font.pixelSize() <= 0) // sized in points: count in pixels from here
        font.setPixelSize(QFontInfo(font).pixelSize());
    while (font.pixelSize() > smallest && QFontMetrics(font).horizontalAdvance(text) > width)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

} // namespace parvela::platform
