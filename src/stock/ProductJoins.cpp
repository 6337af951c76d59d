#include "stock/ProductJoins.h"

#include <charconv>
#include <string_view>

namespace parvela::stock {

namespace {

template <typename Entry>
void firstOfEach(std::unordered_map<StockCode, ProductJoins::Joined>& joined,
                 const std::vector<Entry>& entries, const Entry* ProductJoins::Joined::*slot) {
    for (const Entry& entry : entries) {
        const Entry*& place = joined[entry.stcode].*slot;
        if (place == nullptr)
            place = &entry;
    }
}

} // namespace

int codeClassOf(StockCode code) {
    char text[24];
    const auto [end, error] = std::to_chars(text, text + sizeof text, code);
    const std::string_view digits(text, static_cast<std::size_t>(end - text));
    for (const int codeClass : {7077, 8088, 9099}) {
        char prefix[8];
        const auto [prefixEnd, prefixError] =
            std::to_chars(prefix, prefix + sizeof prefix, codeClass);
        if (digits.starts_with(
                std::string_view(prefix, static_cast<std::size_t>(prefixEnd - prefix))))
            return codeClass;
    }
    return 0;
}

ProductJoins::ProductJoins(const JoinSources& sources) {
    m_joined.reserve(sources.colours.size() + sources.orderRows.size() +
                     sources.recipeLines.size());
    firstOfEach(m_joined, sources.colours, &Joined::colour);
    firstOfEach(m_joined, sources.regionPrices, &Joined::region);
    firstOfEach(m_joined, sources.sizes, &Joined::sizes);
    firstOfEach(m_joined, sources.orderRows, &Joined::order);
    for (const recipes::RecipeLine& line : sources.recipeLines)
        m_joined[line.urun].hasRecipe = true;
    for (const recipes::RecipeLine& line : sources.bundleLines)
        m_joined[line.urun].isBundle = true;
    for (const StockCode code : sources.quickSaleCodes)
        m_joined[code].isQuickSale = true;
}

void ProductJoins::apply(StockDefinition& product) const {
    const auto found = m_joined.find(product.stcode);
    if (found == m_joined.end())
        return;
    const Joined& joined = found->second;
    if (joined.colour != nullptr) {
        product.backColor = joined.colour->back;
        product.fontColor = joined.colour->font;
    }
    product.hasRecipe = joined.hasRecipe;
    if (joined.isBundle)
        product.bundle = true;
    product.isQuickSale = joined.isQuickSale;
    if (joined.region != nullptr)
        product.regionPrice = *joined.region;
    if (const SizePrices* s = joined.sizes) {
        product.hasSizes = true;
        product.smll_prc = s->smll_prc;
        product.med_prc = s->med_prc;
        product.larg_prc = s->larg_prc;
        product.smll_qua = s->smll_qua;
        product.med_qua = s->med_qua;
        product.larg_qua = s->larg_qua;
    }
    if (const ordering::StokOrderRow* order = joined.order) {
        product.index_sira = order->index_sira;
        product.sira_gra = order->sira_gra;
        product.sira_grb = order->sira_grb;
    }
}

} // namespace parvela::stock
