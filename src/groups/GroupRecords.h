#pragma once

#include "records/Geometry.h"

#include <QString>
#include <cstdint>
#include <string>

namespace parvela::groups {

using records::Rect;
using records::Rgb;

inline constexpr qsizetype kGroupNameSize = 64;
inline constexpr std::int16_t kWeighedMarker = 327;

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
