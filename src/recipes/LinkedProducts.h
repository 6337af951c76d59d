#pragma once

#include "recipes/RecipeContext.h"

#include <QString>
#include <optional>

namespace parvela::recipes {

// One line of "BAGLI_URUNLER": a product whose recipe uses the ingredient.
struct LinkedProduct {
    stock::StockCode code = 0;
    QString name;
    double unitcost = 0;
    double quantity = 0; // in stock
    QString ingredient;
    double lineQuantity = 0;
    QString unit;
    double ingredientCost = 0;
};

// The products that use the ingredient, from the server; each is looked up
// in the product list (one that is not there shows its code only). Nothing
// after a reported failure.
std::optional<std::vector<LinkedProduct>> linkedProducts(const RecipeContext& context,
                                                         stock::StockCode ingredient);

} // namespace parvela::recipes
