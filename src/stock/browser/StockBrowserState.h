#pragma once

#include "records/Catalogue.h"
#include "records/Geometry.h"
#include "records/RecipeLine.h"

#include <QPoint>
#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace parvela::stock {

using records::Rect;

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
inline constexpr Rect kListArea{0, 39, 1000, 631};

// Where the rows lie: below the two counters and the column header; the
// last row keeps one row's height clear of the bottom. While the recipe
// panel shows, it takes the bottom of the list area.
inline constexpr int kFirstRowTop = kListArea.top + 40;
inline constexpr int kRowHeight = 20;
inline constexpr int kMaxRows = 29;
inline constexpr int kRecipePanelHeight = 172;

inline constexpr int rowsBottom(bool showRecipes) {
    return showRecipes ? kListArea.bottom - kRecipePanelHeight : kListArea.bottom;
}
// How many rows the list shows at once.
inline constexpr int visibleRows(bool showRecipes) {
    const int fit = (rowsBottom(showRecipes) - kRowHeight - kFirstRowTop) / kRowHeight;
    return fit < kMaxRows ? fit : kMaxRows;
}

// One entry of the displayed list: a product of the catalogue the list was
// built from, by its position there, and how the user marked its row.
struct BrowserRow {
    std::uint32_t product = 0;
    bool marked = false;
    bool highlighted = false;
    bool isCurrent = false;
};

// The cells of a row as the last paint drew them; a click is matched against them.
struct RowCells {
    Rect rowRect;
    Rect markCell;
    Rect deletedCell;
    Rect bundleCell;
    Rect tagCell; // the one right of the bundle tag
    Rect dayMenuCell;
    Rect orderCell;
};

struct DrawnRow {
    std::size_t row = 0; // into the displayed list
    RowCells cells;
};

// A recipe line of the current product as the detail panel drew it.
struct RecipePanelLine {
    recipes::RecipeLine line;
    Rect rowRect;
    Rect linkedCell;
};

// The folded names the name search matches against, and the hits of the
// last search, so that a longer text only narrows them.
struct NameSearch {
    // The catalogue the names were folded from.
    CatalogueRef foldedFrom;
    std::vector<QString> folded;
    QString lastText;
    std::vector<std::uint32_t> lastHits;
};

// What the stock window shows and remembers; it survives closing the window.
// The list is built from a catalogue it holds, so its rows stay valid until
// it is built again from a newer one, by code.
struct StockBrowserState {
    std::vector<BrowserRow> displayed;
    CatalogueRef shown = std::make_shared<const Catalogue>();
    ListFilter filter = ListFilter::Group;
    QString filterText;
    int filterCodeClass = 0;
    // The group the list was opened for (0 when none).
    int gra = 0;
    int grb = 0;
    int grc = 0;
    // Index of the displayed-list entry in the top row; the scroll bar shows it.
    int firstRow = 0;
    bool showRecipes = false;
    bool trendyol = false;
    bool yemekSepeti = false;
    bool getirYemek = false;
    // The product the buttons act on: a copy of the row last picked.
    StockDefinition current;
    recipes::RecipeLine currentRecipeLine;
    // Where the window last stood; the next one opens there.
    std::optional<QPoint> windowPosition;
    // The Id of the selected recipe line of the panel, 0 when none.
    int selectedRecipeLine = 0;
    NameSearch nameSearch;
    // What the last rebuild from a newer catalogue dropped, for the status line.
    QString notice;

    // Written by the last paint: the rows it drew, the recipe lines of its
    // detail panel and its buttons.
    std::vector<DrawnRow> drawnRows;
    std::vector<RecipePanelLine> panelLines;
    std::array<Rect, static_cast<std::size_t>(BrowserButton::Count)> buttons{};

    Rect& button(BrowserButton which) { return buttons[static_cast<std::size_t>(which)]; }
    const Rect& button(BrowserButton which) const {
        return buttons[static_cast<std::size_t>(which)];
    }
};

} // namespace parvela::stock
