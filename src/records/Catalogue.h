#pragma once

#include "platform/Published.h"
#include "records/ProductList.h"
#include "records/RecipeLists.h"
#include "records/SharedList.h"
#include "records/StockRecords.h"
#include "records/StokOrderRow.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <unordered_map>

namespace parvela::stock {

// The products and the lists read with them, as one read (and the changes
// made since) left them. A published catalogue never changes: a change
// makes a new one, which shares every record and list it did not touch.
struct Catalogue {
    ProductList products; // by name
    // The weighed products in the same order: the scales' transfer list.
    ProductList weighed;
    records::SharedList<Unit> units;
    records::SharedList<Currency> currencies;
    records::SharedList<Department> departments;
    records::SharedList<StockCode> quickSaleCodes;
    records::SharedList<StockColour> colours;
    records::SharedList<SizePrices> sizes;
    records::SharedList<RegionPrice> regionPrices;
    records::SharedList<ordering::StokOrderRow> orderRows;
    recipes::RecipeLists recipes;

    // The product of a code, or null.
    const StockDefinition* find(StockCode code) const;
    ProductPtr shared(StockCode code) const;
    std::optional<std::size_t> positionOf(StockCode code) const;
    // After `products` changed: the code index and the weighed list follow.
    // A change that keeps every code at its place may skip the index.
    void reindex();
    void rebuildWeighed();
    // The product at `at` becomes `product`, the weighed list following it
    // without a walk over every product.
    void replaceProduct(std::size_t at, StockDefinition product);

private:
    using Positions = std::unordered_map<StockCode, std::uint32_t>;
    std::shared_ptr<const Positions> m_positions = std::make_shared<const Positions>();
};

using CatalogueRef = std::shared_ptr<const Catalogue>;
// The one place the newest catalogue is published; windows subscribe to it.
using CatalogueFeed = platform::Published<Catalogue>;

} // namespace parvela::stock
