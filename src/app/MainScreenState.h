#pragma once

#include "records/Geometry.h"

#include <QString>
#include <array>
#include <cstddef>

namespace parvela::app {

using records::contains;

// The drawn buttons of the main screen.
enum class MainButton : std::size_t {
    Hepsi,
    SubelereGonder,
    ConvertTurkishChars,
    MenuyuOlustur,
    YemekSepetiMenu,
    ExcelEAktar,
    KatalogKontrolu,
    YayinGecmisi,
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
    GeriAl,
    Count,
};

inline constexpr int kRowsPerPageA = 10;
// Fourteen rows of the B and C lists fit above the bottom buttons; a
// fifteenth and sixteenth would lie under them, out of reach.
inline constexpr int kRowsPerPageBC = 14;

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
    // Which server the program is on, above the upload status.
    QString serverStatus;
    // The right edge of the desktop, where the branch boxes hang.
    int desktopRight = 1024;

    records::Rect& button(MainButton which) { return m_buttons[static_cast<std::size_t>(which)]; }
    const records::Rect& button(MainButton which) const {
        return m_buttons[static_cast<std::size_t>(which)];
    }

private:
    std::array<records::Rect, static_cast<std::size_t>(MainButton::Count)> m_buttons{};
};

} // namespace parvela::app
