#pragma once

namespace parvela::app {

class CatalogData;

// Reads every shared list, in the order the rest of the program relies on.
// A failing read reports itself and the load goes on with what it holds.
void loadSharedLists(CatalogData& catalog);
// The product side of it: the lists joined to the products, the products with
// their costs, the scales and the weighed-group marks ("Hepsi" reloads these).
void loadStockData(CatalogData& catalog);
// The lists joined to the products, then the products with their costs.
void reloadProducts(CatalogData& catalog);

} // namespace parvela::app
