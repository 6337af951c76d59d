#include "stock/ProductJoins.h"

#include "db/FixedField.h"
#include "groups/GroupRecords.h"
#include "ordering/StokOrderRow.h"
#include "recipes/RecipeLine.h"

#include <string>

namespace parvela::stock {

namespace {

template <typename Group, typename CodeOf>
std::unordered_map<int, QString> namesByCode(const std::vector<Group>& groups, CodeOf codeOf) {
    std::unordered_map<int, QString> names;
    names.reserve(groups.size());
    for (const Group& group : groups)
        names.try_emplace(codeOf(group), db::fitField(group.wideName, field::kGroupName));
    return names;
}

template <typename Entry>
std::unordered_map<StockCode, const Entry*> firstByCode(const std::vector<Entry>& entries) {
    std::unordered_map<StockCode, const Entry*> index;
    index.reserve(entries.size());
    for (const Entry& entry : entries)
        index.try_emplace(entry.stcode, &entry);
    return index;
}

std::unordered_set<StockCode> productsOf(const std::vector<recipes::RecipeLine>& lines) {
    std::unordered_set<StockCode> products;
    products.reserve(lines.size());
    for (const recipes::RecipeLine& line : lines)
        products.insert(line.urun);
    return products;
}

QString nameOr(const std::unordered_map<int, QString>& names, int code) {
    const auto found = names.find(code);
    return found == names.end() ? QString() : found->second;
}

} // namespace

int codeClassOf(StockCode code) {
    const std::string text = std::to_string(code);
    for (const int codeClass : {7077, 8088, 9099}) {
        if (text.starts_with(std::to_string(codeClass)))
            return codeClass;
    }
    return 0;
}

ProductJoins::ProductJoins(const JoinSources& sources)
    : m_groupAName(namesByCode(sources.groupA, [](const groups::GroupA& g) { return g.acode; }))
    , m_groupBName(namesByCode(sources.groupB, [](const groups::GroupB& g) { return g.bcode; }))
    , m_groupCName(namesByCode(sources.groupC, [](const groups::GroupC& g) { return g.ccode; }))
    , m_colour(firstByCode(sources.colours))
    , m_hasRecipe(productsOf(sources.recipeLines))
    , m_isBundle(productsOf(sources.bundleLines))
    , m_quickSale(sources.quickSaleCodes.begin(), sources.quickSaleCodes.end())
    , m_regionPrice(firstByCode(sources.regionPrices))
    , m_sizes(firstByCode(sources.sizes)) {
    m_order.reserve(sources.orderRows.size());
    for (const ordering::StokOrderRow& row : sources.orderRows)
        m_order.try_emplace(row.stcode, OrderPlace{row.index_sira, row.sira_gra, row.sira_grb});
}

void ProductJoins::apply(StockDefinition& product) const {
    const StockCode code = product.stcode;
    product.groupAName = nameOr(m_groupAName, product.gra);
    product.groupBName = nameOr(m_groupBName, product.grb);
    product.groupCName = nameOr(m_groupCName, product.grc);
    if (const auto colour = m_colour.find(code); colour != m_colour.end()) {
        product.backColor = colour->second->back;
        product.fontColor = colour->second->font;
    }
    product.hasRecipe = m_hasRecipe.contains(code);
    if (m_isBundle.contains(code))
        product.bundle = true;
    product.isQuickSale = m_quickSale.contains(code);
    if (const auto region = m_regionPrice.find(code); region != m_regionPrice.end())
        product.regionPrice = *region->second;
    if (const auto sizes = m_sizes.find(code); sizes != m_sizes.end()) {
        const SizePrices& s = *sizes->second;
        product.hasSizes = true;
        product.smll_prc = s.smll_prc;
        product.med_prc = s.med_prc;
        product.larg_prc = s.larg_prc;
        product.smll_qua = s.smll_qua;
        product.med_qua = s.med_qua;
        product.larg_qua = s.larg_qua;
    }
    if (const auto order = m_order.find(code); order != m_order.end()) {
        product.index_sira = order->second.index_sira;
        product.sira_gra = order->second.sira_gra;
        product.sira_grb = order->second.sira_grb;
    }
}

} // namespace parvela::stock
