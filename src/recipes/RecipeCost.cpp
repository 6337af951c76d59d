#include "recipes/RecipeCost.h"

namespace parvela::recipes {

namespace {

constexpr int kNoProduct = -2;

} // namespace

void takeIngredientFacts(RecipeLine& line, const stock::StockDefinition& ingredient) {
    line.ingredientName = ingredient.stname;
    line.type = ingredient.type;
    line.unit = ingredient.unit;
    line.curr = ingredient.curr;
    line.unitcost = ingredient.unitcost;
}

ProductIndex indexByCode(const stock::ProductList& products) {
    auto catalogue = std::make_shared<stock::Catalogue>();
    catalogue->products = products;
    catalogue->reindex();
    return ProductIndex(std::move(catalogue));
}

void computeRecipeCost(stock::StockDefinition& product, std::vector<RecipeLine>& lines,
                       const ProductIndex& index) {
    product.unitcost = 0;
    for (RecipeLine& line : lines) {
        const stock::StockDefinition* ingredient = index.find(line.ingredient);
        if (ingredient == nullptr)
            continue;
        takeIngredientFacts(line, *ingredient);
        // Its own cost was just set to 0, so the product adds nothing to itself.
        if (line.ingredient == product.stcode)
            line.unitcost = 0;
        product.unitcost += lineCost(product.stcode, line.ingredient, line.unitcost, line.qua);
    }
}

int recipeOf(stock::StockDefinition& product, const std::vector<RecipeLine>& allLines,
             const ProductIndex& index, std::vector<RecipeLine>& target) {
    target.clear();
    if (product.stcode <= 0)
        return kNoProduct;
    for (const RecipeLine& line : allLines)
        if (line.urun == product.stcode)
            target.push_back(line);
    computeRecipeCost(product, target, index);
    return static_cast<int>(target.size());
}

} // namespace parvela::recipes
