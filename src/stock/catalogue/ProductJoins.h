#pragma once

#include "records/RecipeLine.h"
#include "records/StockDefinition.h"
#include "records/StokOrderRow.h"
#include "stock/catalogue/CodeIndex.h"

#include <vector>

namespace parvela::stock {

// The lists a product read joins into each product, as they stand in memory.
struct JoinSources {
    const std::vector<StockColour>& colours;
    const std::vector<recipes::RecipeLine>& recipeLines;
    const std::vector<recipes::RecipeLine>& bundleLines;
    const std::vector<StockCode>& quickSaleCodes;
    const std::vector<RegionPrice>& regionPrices;
    const std::vector<SizePrices>& sizes;
    const std::vector<ordering::StokOrderRow>& orderRows;
};

// The joins indexed once per read, by stock code in one table, so that a
// read costs one look-up per product. Each keeps the first entry of a code,
// which is the entry a scan of its list would find.
class ProductJoins {
public:
    explicit ProductJoins(const JoinSources& sources);

    void apply(StockDefinition& product) const;

    // What the lists hold for one code.
    struct Joined {
        const StockColour* colour = nullptr;
        const RegionPrice* region = nullptr;
        const SizePrices* sizes = nullptr;
        const ordering::StokOrderRow* order = nullptr;
        bool hasRecipe = false;
        bool isBundle = false;
        bool isQuickSale = false;
    };

private:
    Joined& joinedOf(StockCode code);

    CodeIndex m_index;
    std::vector<Joined> m_joined; // by the code's number in m_index
};

// 7077, 8088 or 9099 when the code's decimal text starts with those digits
// (the delivery platforms' listings), else 0.
int codeClassOf(StockCode code);

} // namespace parvela::stock
