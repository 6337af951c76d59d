#pragma once

#include <QColor>
#include <cmath>

namespace parvela::platform {

// Text colours that read well: dark on light fills (yellow included), light
// on dark ones.
inline const QColor kDarkInk(30, 30, 34);
inline const QColor kLightInk(240, 248, 255);

// Relative luminance of a colour as contrast is judged by eye.
inline double luminanceOf(const QColor& colour) {
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.red()) + 0.7152 * channel(colour.green()) +
           0.0722 * channel(colour.blue());
}

// The ink of the two that stands out more from `fill`; light ink where the
// two are close, as on a strong red.
inline const QColor& inkOn(const QColor& fill) {
    const double lum = luminanceOf(fill);
    const double againstLight = (luminanceOf(kLightInk) + 0.05) / (lum + 0.05);
    const double againstDark = (lum + 0.05) / (luminanceOf(kDarkInk) + 0.05);
    return againstDark > 1.2 * againstLight ? kDarkInk : kLightInk;
}

} // namespace parvela::platform
