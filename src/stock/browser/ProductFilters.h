#pragma once

#include "stock/browser/StockBrowserState.h"
#include "stock/catalogue/StockCatalog.h"

#include <QString>

// The filters that build the stock window's list from the product list.
// Each replaces `browser.displayed` with the matching products, by their
// positions in product-list order, and remembers itself, so that
// reapplyFilter can run it again over a product list read afresh.
namespace parvela::stock {

// The group the list is opened for; the deepest code that is not 0 decides
// (C on grc, B on grb, A on gra). With all three 0 every product shows.
void showGroup(StockBrowserState& browser, const StockCatalog& stock, int gra, int grb, int grc);
// The group the list was last opened for.
void showCurrentGroup(StockBrowserState& browser, const StockCatalog& stock);
void showAll(StockBrowserState& browser, const StockCatalog& stock);
// Names containing the text, whatever the case, also where the text leaves
// out the Turkish letters ("corba" finds "Çorba"). A text that extends the
// previous one only narrows the previous hits.
void showByName(StockBrowserState& browser, const StockCatalog& stock, const QString& text);
void showByBarcode(StockBrowserState& browser, const StockCatalog& stock, const QString& text);
// 9099, 8088 or 7077.
void showCodeClass(StockBrowserState& browser, const StockCatalog& stock, int codeClass);
void reapplyFilter(StockBrowserState& browser, const StockCatalog& stock);
// Builds the list again when the product list was read since it was built,
// keeping the first row where it can; true when it did.
bool refreshIfStale(StockBrowserState& browser, const StockCatalog& stock);

// The product of a displayed row.
const StockDefinition& productOf(const StockBrowserState& browser, const StockCatalog& stock,
                                 std::size_t row);
StockDefinition& productOf(const StockBrowserState& browser, StockCatalog& stock, std::size_t row);

} // namespace parvela::stock
