#pragma once

#include <cstdint>

// Rectangles and colours as every screen and record of the suite keeps them.
namespace parvela::records {

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// A point hits a rectangle on its edges too. A button not drawn yet has the
// empty rectangle at the origin, which nothing hits.
inline bool contains(const Rect& rect, int x, int y) {
    const bool drawn = rect.left != 0 || rect.top != 0 || rect.right != 0 || rect.bottom != 0;
    return drawn && rect.left <= x && x <= rect.right && rect.top <= y && y <= rect.bottom;
}

// A colour as the suite keeps it: red in the low byte.
using Rgb = std::uint32_t;
inline constexpr Rgb rgb(int red, int green, int blue) {
    return static_cast<Rgb>(red & 0xFF) | static_cast<Rgb>(green & 0xFF) << 8 |
           static_cast<Rgb>(blue & 0xFF) << 16;
}
inline constexpr int redOf(Rgb colour) {
    return static_cast<int>(colour & 0xFF);
}
inline constexpr int greenOf(Rgb colour) {
    return static_cast<int>((colour >> 8) & 0xFF);
}
inline constexpr int blueOf(Rgb colour) {
    return static_cast<int>((colour >> 16) & 0xFF);
}

} // namespace parvela::records
