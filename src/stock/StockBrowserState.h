#pragma once

#include "groups/GroupRecords.h"
#include "recipes/RecipeLine.h"
#include "stock/StockDefinition.h"

#include <QPoint>
#include <QString>
#include <array>
#include <cstddef>
#include <optional>
#include <vector>

namespace parvela::stock {

// How the stock window's list was last built, so that it can be built again
// after a save, a delete or a code change.
enum class ListFilter { Group, All, Name, Barcode, CodeClass };

// Code classes of the products listed on the delivery platforms.
inline constexpr int kTrendyolClass = 9099;
inline constexpr int kGetirYemekClass = 8088;
inline constexpr int kYemekSepetiClass = 7077;

// The drawn buttons of the stock window.
enum class BrowserButton : std::size_t {
    Hepsi,
    StokTanimla,
    HizliEkle,
    HizliSil,
    Duzenle,
    Recetesi,
    MenuBundle,
    Opsiyonlar,
    Sil,
    Oku,
    GrubuAta,
    Ayarla,
    Count,
};

// The list area of the stock window; the fixed buttons hang on its right edge.
inline constexpr groups::Rect kListArea{0, 39, 1000, 631};

// A recipe line of the current product as the detail panel drew it.
struct RecipePanelLine {
    recipes::RecipeLine line;
    groups::Rect rowRect;
    groups::Rect linkedCell;
};

// What the stock window shows and remembers; it survives closing the window.
struct StockBrowserState {
    std::vector<StockDefinition> displayed;
    ListFilter filter = ListFilter::Group;
    QString filterText;
    int filterCodeClass = 0;
    // The group the list was opened for (0 when none).
    int gra = 0;
    int grb = 0;
    int grc = 0;
    // Index of the displayed-list entry in the top row, and the scroll bar.
    int firstRow = 0;
    int scrollPosition = 0;
    bool showRecipes = false;
    bool trendyol = false;
    bool yemekSepeti = true;
    bool getirYemek = false;
    recipes::RecipeLine currentRecipeLine;
    // Where the window last stood; the next one opens there.
    std::optional<QPoint> windowPosition;
    // The Id of the selected recipe line of the panel, 0 when none.
    int selectedRecipeLine = 0;

    // Written by the last paint: the displayed rows it drew, the recipe
    // lines of its detail panel and its buttons.
    std::size_t drawnFirst = 0;
    std::size_t drawnCount = 0;
    std::vector<RecipePanelLine> panelLines;
    std::array<groups::Rect, static_cast<std::size_t>(BrowserButton::Count)> buttons{};

    groups::Rect& button(BrowserButton which) { return buttons[static_cast<std::size_t>(which)]; }
    const groups::Rect& button(BrowserButton which) const {
        return buttons[static_cast<std::size_t>(which)];
    }
};

} // namespace parvela::stock
