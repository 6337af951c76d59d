#pragma once

#include "stock/browser/StockBrowserState.h"

#include <QString>

// The filters that build the stock window's list from a catalogue. Each
// takes the catalogue it is given as the one the list shows, replaces
// `browser.displayed` with the matching products, by their positions there,
// and remembers itself, so that refreshIfStale can run it again over a newer
// catalogue.
namespace parvela::stock {

// The group the list is opened for; the deepest code that is not 0 decides
// (C on grc, B on grb, A on gra). With all three 0 every product shows.
void showGroup(StockBrowserState& browser, const CatalogueRef& catalogue, int gra, int grb,
               int grc);
// The group the list was last opened for.
void showCurrentGroup(StockBrowserState& browser, const CatalogueRef& catalogue);
void showAll(StockBrowserState& browser, const CatalogueRef& catalogue);
// Names containing the text, whatever the case, also where the text leaves
// out the Turkish letters ("corba" finds "Çorba"). A text that extends the
// previous one only narrows the previous hits.
void showByName(StockBrowserState& browser, const CatalogueRef& catalogue, const QString& text);
void showByBarcode(StockBrowserState& browser, const CatalogueRef& catalogue, const QString& text);
// 9099, 8088 or 7077.
void showCodeClass(StockBrowserState& browser, const CatalogueRef& catalogue, int codeClass);
// The last filter again, over `catalogue`.
void reapplyFilter(StockBrowserState& browser, const CatalogueRef& catalogue);
// When `newest` is not the catalogue the list shows, builds the list again
// from it and finds by code what the user had: marks, the highlighted row,
// the current product and the first row shown. What is gone is dropped and
// named in `browser.notice`. True when it rebuilt.
bool refreshIfStale(StockBrowserState& browser, const CatalogueRef& newest);

// The product of a displayed row, in the catalogue the list shows.
const StockDefinition& productOf(const StockBrowserState& browser, std::size_t row);

} // namespace parvela::stock
