#pragma once

#include "records/Catalogue.h"
#include "records/RecipeLine.h"
#include "records/StockDefinition.h"

#include <cstdint>
#include <vector>

namespace parvela::recipes {

// Products by code in a catalogue it keeps alive, so that what it finds
// stays valid however often the program reads the products meanwhile.
class ProductIndex {
public:
    ProductIndex()
        : ProductIndex(std::make_shared<const stock::Catalogue>()) {}
    explicit ProductIndex(stock::CatalogueRef catalogue)
        : m_catalogue(std::move(catalogue)) {}

    // The first product of the code, or null.
    const stock::StockDefinition* find(stock::StockCode code) const {
        return m_catalogue->find(code);
    }
    const stock::CatalogueRef& catalogue() const { return m_catalogue; }

private:
    stock::CatalogueRef m_catalogue;
};

// An index of a list that is not a catalogue (it shares the list's records).
ProductIndex indexByCode(const stock::ProductList& products);

// What one recipe line adds to its product's cost: the ingredient's cost
// times the quantity, nothing when the product is its own ingredient.
inline double lineCost(std::int64_t product, std::int64_t ingredient, double ingredientCost,
                       double quantity) {
    return ingredient == product ? 0.0 : ingredientCost * quantity;
}

// The line takes its ingredient's name, type, unit, currency and cost.
void takeIngredientFacts(RecipeLine& line, const stock::StockDefinition& ingredient);

// Sets the product's unitcost to the sum of ingredient cost × quantity. Each
// line found in `index` takes its ingredient's type, unit, currency and cost;
// a missing ingredient adds nothing, the product itself adds 0.
void computeRecipeCost(stock::StockDefinition& product, std::vector<RecipeLine>& lines,
                       const ProductIndex& index);

// The lines of `product` from `allLines` into `target`, costed as above.
// Returns their count, or -2 for a code not above 0.
int recipeOf(stock::StockDefinition& product, const std::vector<RecipeLine>& allLines,
             const ProductIndex& index, std::vector<RecipeLine>& target);

} // namespace parvela::recipes
