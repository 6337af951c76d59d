#include "records/Catalogue.h"

namespace parvela::stock {

const StockDefinition* Catalogue::find(StockCode code) const {
    const std::optional<std::size_t> at = positionOf(code);
    return at ? &products[*at] : nullptr;
}

ProductPtr Catalogue::shared(StockCode code) const {
    const std::optional<std::size_t> at = positionOf(code);
    return at ? products.shared(*at) : nullptr;
}

std::optional<std::size_t> Catalogue::positionOf(StockCode code) const {
    const auto found = m_positions->find(code);
    if (found == m_positions->end() || found->second >= products.size() ||
        products[found->second].stcode != code)
        return std::nullopt;
    return found->second;
}

void Catalogue::reindex() {
    auto positions = std::make_shared<Positions>();
    positions->reserve(products.size());
    // The first product of a code is the one a scan would find.
    for (std::uint32_t i = 0; i < products.size(); ++i)
        positions->emplace(products[i].stcode, i);
    m_positions = std::move(positions);
    rebuildWeighed();
}

void Catalogue::rebuildWeighed() {
    weighed.clear();
    for (auto product = products.begin(); product != products.end(); ++product)
        if (product->is_weighed)
            weighed.push_back(product.shared());
}

void Catalogue::replaceProduct(std::size_t at, StockDefinition product) {
    const ProductPtr old = products.shared(at);
    products.replace(at, std::move(product));
    const ProductPtr& now = products.shared(at);
    if (!old->is_weighed && !now->is_weighed)
        return;
    if (old->is_weighed && now->is_weighed) {
        for (std::size_t i = 0; i < weighed.size(); ++i) {
            if (weighed.shared(i) == old) {
                weighed.replace(i, now);
                return;
            }
        }
    }
    rebuildWeighed();
}

} // namespace parvela::stock
