#pragma once

#include "records/StockDefinition.h"
#include "records/StockRecords.h"

#include <cstdint>
#include <vector>

namespace parvela::stock {

// The product list and the lists read with it.
struct StockCatalog {
    std::vector<StockDefinition> products; // by name
    // Counts the reads of `products`: a list built from it by positions is
    // stale once this has moved on.
    std::uint64_t generation = 0;
    std::vector<StockCode> codes;        // ascending
    std::vector<StockCode> deletedCodes; // ascending
    std::vector<Unit> units;
    std::vector<Currency> currencies;
    std::vector<Department> departments;
    std::vector<StockCode> quickSaleCodes;
    std::vector<StockColour> colours;
    std::vector<SizePrices> sizes;
    std::vector<RegionPrice> regionPrices;
    std::vector<Region> regions;
    std::vector<ProductPicture> pictures;
};

} // namespace parvela::stock
