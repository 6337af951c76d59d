#pragma once

#include "records/StockRecords.h"

#include <vector>

namespace parvela::db {
class StatementRunner;
}

// Reads of the lists that hang on products. Each empties its list first and
// returns the count, or -1 after a reported failure.
namespace parvela::stock {

int readUnits(const db::StatementRunner& runner, std::vector<Unit>& units);
int readCurrencies(const db::StatementRunner& runner, std::vector<Currency>& currencies);
int readDepartments(const db::StatementRunner& runner, std::vector<Department>& departments);
int readQuickSaleCodes(const db::StatementRunner& runner, std::vector<StockCode>& codes);
int readColours(const db::StatementRunner& runner, std::vector<StockColour>& colours);
int readSizes(const db::StatementRunner& runner, std::vector<SizePrices>& sizes);
int readRegionPrices(const db::StatementRunner& runner, std::vector<RegionPrice>& prices);
int readRegions(const db::StatementRunner& runner, std::vector<Region>& regions);
int readPictures(const db::StatementRunner& runner, std::vector<ProductPicture>& pictures);
// The codes in use and, in the same operation, the codes of deleted
// products; returns the number of codes in use.
int readStockCodes(const db::StatementRunner& runner, std::vector<StockCode>& codes,
                   std::vector<StockCode>& deletedCodes);

// The codes that rows of other tables still carry (colours, discount, sizes,
// price times, picture, orders, recipes…): a product deleted from stckdef
// leaves them behind, and a new product must not inherit them.
int readCodesOwningRows(const db::StatementRunner& runner, std::vector<StockCode>& codes);
// In one query: the codes of stckdef, of deleted products and of those rows.
int readCodesInUse(const db::StatementRunner& runner, std::vector<StockCode>& codes);

} // namespace parvela::stock
