#include "records/CatalogueEdits.h"

#include <unordered_set>

namespace parvela::stock {

void putProduct(CatalogueFeed& feed, const StockDefinition& product) {
    feed.change([&product](Catalogue& next) {
        if (const auto at = next.positionOf(product.stcode)) {
            next.products.replace(*at, product);
            next.rebuildWeighed();
        } else {
            next.products.push_back(product);
            next.reindex();
        }
    });
}

void changeProducts(CatalogueFeed& feed, const std::vector<StockCode>& codes,
                    const std::function<void(StockDefinition&)>& change) {
    const Catalogue& newest = *feed.current();
    std::vector<std::size_t> positions;
    positions.reserve(codes.size());
    std::unordered_set<std::size_t> seen;
    for (const StockCode code : codes)
        if (const auto at = newest.positionOf(code); at && seen.insert(*at).second)
            positions.push_back(*at);
    if (positions.empty())
        return;
    feed.change([&](Catalogue& next) {
        for (const std::size_t at : positions) {
            StockDefinition changed = next.products[at];
            change(changed);
            next.products.replace(at, std::move(changed));
        }
        next.rebuildWeighed();
    });
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

void putRecipeLines(CatalogueFeed& feed, std::vector<recipes::RecipeLine> lines) {
    std::unordered_set<StockCode> withRecipe;
    for (const recipes::RecipeLine& line : lines)
        withRecipe.insert(line.urun);
    feed.change([&](Catalogue& next) {
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
    });
}

} // namespace parvela::stock
