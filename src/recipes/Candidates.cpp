#include "recipes/Candidates.h"

#include "platform/TurkishText.h"

namespace parvela::recipes {

namespace {

constexpr qsizetype kShortestSearch = 2;

template <typename Matches>
std::vector<std::uint32_t> positionsWhere(const stock::ProductList& products, Matches matches) {
    std::vector<std::uint32_t> positions;
    for (std::size_t i = 0; i < products.size(); ++i)
        if (matches(products[i]))
            positions.push_back(static_cast<std::uint32_t>(i));
    return positions;
}

} // namespace

std::vector<std::uint32_t> candidatesOf(const stock::ProductList& products,
                                        const CandidateFilter& filter) {
    const QString wanted = platform::TurkishText::fold(filter.name.trimmed());
    if (wanted.size() >= kShortestSearch)
        return positionsWhere(products, [&](const stock::StockDefinition& p) {
            return platform::TurkishText::fold(p.stname).contains(wanted);
        });
    if (filter.grb > 0)
        return positionsWhere(products,
                              [&](const stock::StockDefinition& p) { return p.grb == filter.grb; });
    if (filter.gra > 0)
        return positionsWhere(products,
                              [&](const stock::StockDefinition& p) { return p.gra == filter.gra; });
    return positionsWhere(products, [](const stock::StockDefinition&) { return true; });
}

} // namespace parvela::recipes
