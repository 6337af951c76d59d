#include "recipes/CostIndex.h"

#include "recipes/RecipeCost.h"

namespace parvela::recipes {

CostIndex::CostIndex(const stock::ProductList& products,
                     const std::vector<RecipeLine>& recipeLines) {
    m_unitcost.reserve(products.size());
    for (const stock::StockDefinition& product : products)
        m_unitcost.try_emplace(product.stcode, product.unitcost); // the first of a code wins
    for (const RecipeLine& line : recipeLines)
        m_lines[line.urun].emplace_back(line.ingredient, line.qua);
}

double CostIndex::recipeCost(std::int64_t product) const {
    const auto lines = m_lines.find(product);
    if (lines == m_lines.end())
        return 0;
    double cost = 0;
    for (const auto& [ingredient, quantity] : lines->second) {
        if (const auto found = m_unitcost.find(ingredient); found != m_unitcost.end())
            cost += lineCost(product, ingredient, found->second, quantity);
    }
    return cost;
}

} // namespace parvela::recipes
