#pragma once

#include "stock/StockBrowserState.h"

#include <QString>
#include <string>
#include <vector>

// The filters that build the stock window's list from the product list.
// Each replaces `browser.displayed` with copies of the matching products in
// product-list order and remembers itself, so that reapplyFilter can run it
// again over a product list read afresh.
namespace parvela::stock {

using Products = std::vector<StockDefinition>;

// The group the list is opened for; the deepest code that is not 0 decides
// (C on grc, B on grb, A on gra). With all three 0 every product shows.
void showGroup(StockBrowserState& browser, const Products& products, int gra, int grb, int grc);
// The group the list was last opened for.
void showCurrentGroup(StockBrowserState& browser, const Products& products);
void showAll(StockBrowserState& browser, const Products& products);
// Names containing the text, whatever the case (Turkish casing).
void showByName(StockBrowserState& browser, const Products& products, const QString& text);
void showByBarcode(StockBrowserState& browser, const Products& products, const QString& text);
// 9099, 8088 or 7077.
void showCodeClass(StockBrowserState& browser, const Products& products, int codeClass);
void reapplyFilter(StockBrowserState& browser, const Products& products);

} // namespace parvela::stock
