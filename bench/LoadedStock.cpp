#include "LoadedStock.h"

#include "app/StartupLoad.h"

#include <algorithm>
#include <unordered_map>

namespace parvela::bench {

namespace {

app::CatalogData& loaded(app::CatalogData& catalog) {
    app::loadSharedLists(catalog);
    return catalog;
}

// The code used most often on the given side of the recipe lines.
template <typename Side>
stock::StockCode mostUsed(const std::vector<recipes::RecipeLine>& lines, Side side) {
    std::unordered_map<stock::StockCode, int> uses;
    for (const recipes::RecipeLine& line : lines)
        ++uses[side(line)];
    const auto most = std::max_element(
        uses.begin(), uses.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
    return most == uses.end() ? 0 : most->first;
}

} // namespace

LoadedStock::LoadedStock(const platform::Settings& settings)
    : catalog(settings, boxes)
    , context(loaded(catalog).stockContext(boxes, messenger, jobs)) {}

stock::StockCode busiestIngredient(const std::vector<recipes::RecipeLine>& lines) {
    return mostUsed(lines, [](const recipes::RecipeLine& line) { return line.ingredient; });
}

stock::StockCode longestRecipe(const std::vector<recipes::RecipeLine>& lines) {
    return mostUsed(lines, [](const recipes::RecipeLine& line) { return line.urun; });
}

} // namespace parvela::bench
