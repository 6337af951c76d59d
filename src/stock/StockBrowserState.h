#pragma once

#include "recipes/RecipeLine.h"
#include "stock/StockDefinition.h"

#include <QString>
#include <vector>

namespace parvela::stock {

// How the stock window's list was last built, so that it can be built again
// after a save, a delete or a code change.
enum class ListFilter { Group, All, Name, Barcode, CodeClass };

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
};

} // namespace parvela::stock
