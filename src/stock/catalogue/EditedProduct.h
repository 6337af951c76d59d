#pragma once

#include "records/StockDefinition.h"

#include <QString>
#include <array>
#include <vector>

namespace parvela::stock {

// What one editor window works on: its own copy of the product, taken when
// the window opened, and what the editor reads beside it. Nothing else
// writes into it, so a save writes exactly the product the window shows.
struct EditedProduct {
    StockDefinition product;
    // The two price time windows: for days 1 to 7 the day, start and end hour.
    std::array<int, 21> priceTimesA{};
    std::array<int, 21> priceTimesB{};
    // The names of its Group A, B and C, as the form shows them.
    std::array<QString, 3> groupNames;
    // The delivery regions its region dialog offers, read when it opened.
    std::vector<Region> regions;
    // A new product that is not saved yet.
    bool isNew = false;
};

} // namespace parvela::stock
