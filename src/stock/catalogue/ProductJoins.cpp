#include "stock/catalogue/ProductJoins.h"

namespace parvela::stock {

namespace {

template <typename Entry, typename JoinedOf>
void firstOfEach(JoinedOf joinedOf, const std::vector<Entry>& entries,
                 const Entry* ProductJoins::Joined::*slot) {
    for (const Entry& entry : entries) {
        const Entry*& place = joinedOf(entry.stcode).*slot;
        if (place == nullptr)
            place = &entry;
    }
}

} // namespace

int codeClassOf(StockCode code) {
    // The first four digits of the code's decimal text.
    if (code < 1000)
        return 0;
    StockCode head = code;
    while (head >= 10000)
        head /= 10;
    return head == 7077 || head == 8088 || head == 9099 ? static_cast<int>(head) : 0;
}

ProductJoins::ProductJoins(const JoinSources& sources)
    : m_index(sources.orderRows.size() + sources.colours.size()) {
    m_joined.reserve(m_index.size());
    const auto joinedOf = [this](StockCode code) -> Joined& {
        return this->joinedOf(code);
    };
    firstOfEach(joinedOf, sources.colours, &Joined::colour);
    firstOfEach(joinedOf, sources.regionPrices, &Joined::region);
    firstOfEach(joinedOf, sources.sizes, &Joined::sizes);
    firstOfEach(joinedOf, sources.orderRows, &Joined::order);
    for (const recipes::RecipeLine& line : sources.recipeLines)
        joinedOf(line.urun).hasRecipe = true;
    for (const recipes::RecipeLine& line : sources.bundleLines)
        joinedOf(line.urun).isBundle = true;
    for (const StockCode code : sources.quickSaleCodes)
        joinedOf(code).isQuickSale = true;
}

ProductJoins::Joined& ProductJoins::joinedOf(StockCode code) {
    const std::uint32_t number = m_index.insert(code);
    if (number == m_joined.size())
        m_joined.emplace_back();
    return m_joined[number];
}

void ProductJoins::apply(StockDefinition& product) const {
    const std::uint32_t number = m_index.find(product.stcode);
    if (number == CodeIndex::kNone)
        return;
    const Joined& joined = m_joined[number];
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
