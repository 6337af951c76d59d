#pragma once

#include "records/StockDefinition.h"

// "BÖLGE SEÇ" writes nothing: the chosen region goes into the record, and
// the editor's save writes its price difference.
namespace parvela::stock {

inline void chooseRegion(StockDefinition& product, const Region& region) {
    product.regionPrice.bolgekod = region.kod;
    product.regionPrice.regionName = region.baslik;
    product.regionPrice.stcode = product.stcode;
}

} // namespace parvela::stock
