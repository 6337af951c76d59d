#include "records/CatalogueEdits.h"

#include <algorithm>
#include <unordered_set>

namespace parvela::stock {

void putProduct(Catalogue& next, const StockDefinition& product) {
    if (const auto at = next.positionOf(product.stcode)) {
        next.replaceProduct(*at, product);
    } else {
        next.products.push_back(product);
        next.reindex();
    }
}

void putProduct(CatalogueFeed& feed, const StockDefinition& product) {
    feed.change([&product](Catalogue& next) { putProduct(next, product); });
}

void changeProducts(Catalogue& next, const std::vector<StockCode>& codes,
                    const ProductChange& change) {
    std::unordered_set<std::size_t> seen;
    for (const StockCode code : codes) {
        const auto at = next.positionOf(code);
        if (!at || !seen.insert(*at).second)
            continue;
        StockDefinition changed = next.products[*at];
        change(changed);
        next.products.replace(*at, std::move(changed));
    }
    if (!seen.empty())
        next.rebuildWeighed();
}

void changeProducts(CatalogueFeed& feed, const std::vector<StockCode>& codes,
                    const ProductChange& change) {
    const Catalogue& newest = *feed.current();
    const bool holdsAny = std::any_of(codes.begin(), codes.end(), [&newest](StockCode code) {
        return newest.positionOf(code).has_value();
    });
    if (holdsAny)
        feed.change([&](Catalogue& next) { changeProducts(next, codes, change); });
}

void removeProduct(CatalogueFeed& feed, StockCode code) {
    const auto at = feed.current()->positionOf(code);
    if (!at)
        return;
    feed.change([at](Catalogue& next) {
        next.products.erase(*at);
        next.reindex();
    });
}

void recodeProduct(CatalogueFeed& feed, StockCode from, StockCode to) {
    const auto at = feed.current()->positionOf(from);
    if (!at)
        return;
    feed.change([at, to](Catalogue& next) {
        StockDefinition moved = next.products[*at];
        moved.stcode = to;
        next.products.replace(*at, std::move(moved));
        next.reindex();
    });
}

void putRecipeLines(Catalogue& next, std::vector<recipes::RecipeLine> lines) {
    std::unordered_set<StockCode> withRecipe;
    for (const recipes::RecipeLine& line : lines)
        withRecipe.insert(line.urun);
    ProductList& products = next.products;
    for (std::size_t i = 0; i < products.size(); ++i) {
        const bool has = withRecipe.contains(products[i].stcode);
        if (has == products[i].hasRecipe)
            continue;
        StockDefinition marked = products[i];
        marked.hasRecipe = has;
        products.replace(i, std::move(marked));
    }
    next.recipes.recipeLines = std::move(lines);
    next.rebuildWeighed();
}

void putRecipeLines(CatalogueFeed& feed, std::vector<recipes::RecipeLine> lines) {
    feed.change([&lines](Catalogue& next) { putRecipeLines(next, std::move(lines)); });
}

} // namespace parvela::stock
