#pragma once

#include "stock/StockDefinition.h"

#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace parvela::groups {
struct GroupA;
struct GroupB;
struct GroupC;
} // namespace parvela::groups
namespace parvela::recipes {
struct RecipeLine;
}
namespace parvela::ordering {
struct StokOrderRow;
}

namespace parvela::stock {

// The lists a product read joins into each product, as they stand in memory.
struct JoinSources {
    const std::vector<groups::GroupA>& groupA;
    const std::vector<groups::GroupB>& groupB;
    const std::vector<groups::GroupC>& groupC;
    const std::vector<StockColour>& colours;
    const std::vector<recipes::RecipeLine>& recipeLines;
    const std::vector<recipes::RecipeLine>& bundleLines;
    const std::vector<StockCode>& quickSaleCodes;
    const std::vector<RegionPrice>& regionPrices;
    const std::vector<SizePrices>& sizes;
    const std::vector<ordering::StokOrderRow>& orderRows;
};

// The joins indexed once per read, so that a read costs time in proportion to
// the catalogue. Each index keeps the first entry of a key, which is the
// entry a scan of the list would find.
class ProductJoins {
public:
    explicit ProductJoins(const JoinSources& sources);

    void apply(StockDefinition& product) const;

private:
    struct OrderPlace {
        int index_sira = kNoOrder;
        int sira_gra = 0;
        int sira_grb = 0;
    };

    std::unordered_map<int, QString> m_groupAName;
    std::unordered_map<int, QString> m_groupBName;
    std::unordered_map<int, QString> m_groupCName;
    std::unordered_map<StockCode, const StockColour*> m_colour;
    std::unordered_set<StockCode> m_hasRecipe;
    std::unordered_set<StockCode> m_isBundle;
    std::unordered_set<StockCode> m_quickSale;
    std::unordered_map<StockCode, const RegionPrice*> m_regionPrice;
    std::unordered_map<StockCode, const SizePrices*> m_sizes;
    std::unordered_map<StockCode, OrderPlace> m_order;
};

// 7077, 8088 or 9099 when the code's decimal text starts with those digits
// (the delivery platforms' listings), else 0.
int codeClassOf(StockCode code);

} // namespace parvela::stock
