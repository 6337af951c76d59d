#pragma once

#include <QString>
#include <cstdint>
#include <string>

namespace parvela::groups {

inline constexpr qsizetype kGroupNameSize = 64;
inline constexpr std::int16_t kWeighedMarker = 327;

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

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Where the screens last drew a group; they own these values.
struct GroupDrawing {
    Rect buttonRect{-100, -100, -100, -100};
    int frameColour = -1;
    Rect innerRect{-10, -10, -10, -10};
    int textColour = -1;
    Rect textRect{-10, -10, -10, -10};
};

struct GroupA {
    bool selected = false;
    int Id = 0;
    int acode = 0;
    std::string name; // UTF-8 as stored
    QString wideName;
    bool posmenu = false;
    int tur = 0;
    std::int16_t weighedMarker = 0;
    Rgb fontColour = 0;
    Rgb backColour = 0;
    GroupDrawing drawing;
};

struct GroupB {
    int acode = 0;
    QString parentWideName;
    int index_sira = -1;
    bool placed = false;
    bool selected = false;
    int Id = 0;
    int bcode = 0;
    std::string name;
    QString wideName;
    bool posmenu = false;
    int tur = 0;
    Rgb fontColour = 0;
    Rgb backColour = 0;
    GroupDrawing drawing;
};

struct GroupC {
    // When the record names the current group of a bulk setting: 1 A, 2 B, 3 C.
    std::int16_t levelMark = 0;
    int acode = 0;
    QString aWideName;
    int bcode = 0;
    QString bWideName;
    bool selected = false;
    int Id = 0;
    int ccode = 0;
    std::string name;
    QString wideName;
    bool posmenu = false;
    int tur = 0;
    Rgb fontColour = 0;
    Rgb backColour = 0;
    GroupDrawing drawing;
};

} // namespace parvela::groups
