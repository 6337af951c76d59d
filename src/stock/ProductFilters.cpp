#include "stock/ProductFilters.h"

#include "platform/TurkishText.h"

#include <algorithm>
#include <iterator>

namespace parvela::stock {

namespace {

template <typename Keep>
void keepWhere(StockBrowserState& browser, const Products& products, Keep keep) {
    browser.displayed.clear();
    std::copy_if(products.begin(), products.end(), std::back_inserter(browser.displayed), keep);
}

void buildGroup(StockBrowserState& browser, const Products& products) {
    const int gra = browser.gra;
    const int grb = browser.grb;
    const int grc = browser.grc;
    if (grc != 0)
        keepWhere(browser, products, [grc](const StockDefinition& p) { return p.grc == grc; });
    else if (grb != 0)
        keepWhere(browser, products, [grb](const StockDefinition& p) { return p.grb == grb; });
    else if (gra != 0)
        keepWhere(browser, products, [gra](const StockDefinition& p) { return p.gra == gra; });
    else
        browser.displayed = products;
}

void buildName(StockBrowserState& browser, const Products& products) {
    const QString wanted = platform::TurkishText::toLower(browser.filterText);
    keepWhere(browser, products, [&wanted](const StockDefinition& p) {
        return platform::TurkishText::toLower(p.stname).contains(wanted);
    });
}

void buildBarcode(StockBrowserState& browser, const Products& products) {
    const std::string wanted = browser.filterText.toStdString();
    keepWhere(browser, products, [&wanted](const StockDefinition& p) {
        return p.barcode.find(wanted) != std::string::npos;
    });
}

void buildCodeClass(StockBrowserState& browser, const Products& products) {
    const int wanted = browser.filterCodeClass;
    keepWhere(browser, products,
              [wanted](const StockDefinition& p) { return p.codeClass == wanted; });
}

} // namespace

void showGroup(StockBrowserState& browser, const Products& products, int gra, int grb, int grc) {
    browser.gra = gra;
    browser.grb = grb;
    browser.grc = grc;
    showCurrentGroup(browser, products);
}

void showCurrentGroup(StockBrowserState& browser, const Products& products) {
    browser.filter = ListFilter::Group;
    buildGroup(browser, products);
}

void showAll(StockBrowserState& browser, const Products& products) {
    browser.filter = ListFilter::All;
    browser.displayed = products;
}

void showByName(StockBrowserState& browser, const Products& products, const QString& text) {
    browser.filter = ListFilter::Name;
    browser.filterText = text;
    buildName(browser, products);
}

void showByBarcode(StockBrowserState& browser, const Products& products, const QString& text) {
    browser.filter = ListFilter::Barcode;
    browser.filterText = text;
    buildBarcode(browser, products);
}

void showCodeClass(StockBrowserState& browser, const Products& products, int codeClass) {
    browser.filter = ListFilter::CodeClass;
    browser.filterCodeClass = codeClass;
    buildCodeClass(browser, products);
}

void reapplyFilter(StockBrowserState& browser, const Products& products) {
    switch (browser.filter) {
    case ListFilter::Group:
        return buildGroup(browser, products);
    case ListFilter::All:
        browser.displayed = products;
        return;
    case ListFilter::Name:
        return buildName(browser, products);
    case ListFilter::Barcode:
        return buildBarcode(browser, products);
    case ListFilter::CodeClass:
        return buildCodeClass(browser, products);
    }
}

} // namespace parvela::stock
