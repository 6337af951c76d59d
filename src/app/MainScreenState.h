#pragma once

#include "groups/GroupRecords.h"

#include <QString>
#include <array>
#include <cstddef>

namespace parvela::app {

// The drawn buttons of the main screen.
enum class MainButton : std::size_t {
    Hepsi,
    SubelereGonder,
    ConvertTurkishChars,
    MenuyuOlustur,
    YemekSepetiMenu,
    UpA,
    DownA,
    UpB,
    DownB,
    UpC,
    DownC,
    AddA,
    AddB,
    AddC,
    Teraziler,
    TeraziyeGonder,
    DisaVerTartilan,
    GroupTypeA,
    GroupTypeB,
    GroupTypeC,
    MenuSiralamasi,
    UrunSiralamasi,
    TumIndexiSil,
    DeleteA,
    DeleteB,
    DeleteC,
    ProductsA,
    ProductsB,
    ProductsC,
    SettingsA,
    SettingsB,
    SettingsC,
    Tabledot3,
    Tabledot4,
    Count,
};

inline constexpr int kRowsPerPageA = 10;
inline constexpr int kRowsPerPageBC = 16;

// A point hits a rectangle on its edges too. A button not drawn yet has the
// empty rectangle at the origin, which nothing hits.
inline bool contains(const groups::Rect& rect, int x, int y) {
    const bool drawn = rect.left != 0 || rect.top != 0 || rect.right != 0 || rect.bottom != 0;
    return drawn && rect.left <= x && x <= rect.right && rect.top <= y && y <= rect.bottom;
}

// What the main screen keeps between paints: the paging counters, the scale
// progress and upload texts, and the button rectangles of the last paint.
struct MainScreenState {
    int pageA = 1;
    int pageB = 1;
    int pageC = 1;
    bool scaleBusy = false;
    int scaleSteps = 0;
    int uploadCount = 0;
    QString uploadStatus;
    // The right edge of the desktop, where the branch boxes hang.
    int desktopRight = 1024;

    groups::Rect& button(MainButton which) { return m_buttons[static_cast<std::size_t>(which)]; }
    const groups::Rect& button(MainButton which) const {
        return m_buttons[static_cast<std::size_t>(which)];
    }

private:
    std::array<groups::Rect, static_cast<std::size_t>(MainButton::Count)> m_buttons{};
};

} // namespace parvela::app
