#include "stock/browser/ProductFilters.h"

#include "platform/TurkishText.h"
#include "stock/browser/StockBrowserScroll.h"

#include <algorithm>

namespace parvela::stock {

namespace {

template <typename Keep>
void keepWhere(StockBrowserState& browser, const StockCatalog& stock, Keep keep) {
    browser.displayed.clear();
    const auto& products = stock.products;
    for (std::size_t i = 0; i < products.size(); ++i) {
        if (keep(products[i]))
            browser.displayed.push_back({static_cast<std::uint32_t>(i)});
    }
    browser.builtFrom = stock.generation;
}

void buildGroup(StockBrowserState& browser, const StockCatalog& stock) {
    const int gra = browser.gra;
    const int grb = browser.grb;
    const int grc = browser.grc;
    if (grc != 0)
        keepWhere(browser, stock, [grc](const StockDefinition& p) { return p.grc == grc; });
    else if (grb != 0)
        keepWhere(browser, stock, [grb](const StockDefinition& p) { return p.grb == grb; });
    else if (gra != 0)
        keepWhere(browser, stock, [gra](const StockDefinition& p) { return p.gra == gra; });
    else
        keepWhere(browser, stock, [](const StockDefinition&) { return true; });
}

// Folds every name once per read of the product list.
const std::vector<QString>& foldedNames(NameSearch& search, const StockCatalog& stock) {
    if (search.generation != stock.generation) {
        search.folded.clear();
        search.folded.reserve(stock.products.size());
        for (const StockDefinition& product : stock.products)
            search.folded.push_back(platform::TurkishText::fold(product.stname));
        search.generation = stock.generation;
        search.lastText.clear();
        search.lastHits.clear();
    }
    return search.folded;
}

void buildName(StockBrowserState& browser, const StockCatalog& stock) {
    NameSearch& search = browser.nameSearch;
    const std::vector<QString>& names = foldedNames(search, stock);
    const QString wanted = platform::TurkishText::fold(browser.filterText);
    std::vector<std::uint32_t> hits;
    const auto test = [&](std::uint32_t i) {
        if (names[i].contains(wanted))
            hits.push_back(i);
    };
    const bool narrows = !search.lastText.isEmpty() && wanted.startsWith(search.lastText);
    if (narrows) {
        for (const std::uint32_t i : search.lastHits)
            test(i);
    } else {
        for (std::uint32_t i = 0; i < names.size(); ++i)
            test(i);
    }
    browser.displayed.clear();
    browser.displayed.reserve(hits.size());
    for (const std::uint32_t i : hits)
        browser.displayed.push_back({i});
    browser.builtFrom = stock.generation;
    search.lastText = wanted;
    search.lastHits = std::move(hits);
}

void buildBarcode(StockBrowserState& browser, const StockCatalog& stock) {
    const std::string wanted = browser.filterText.toStdString();
    keepWhere(browser, stock, [&wanted](const StockDefinition& p) {
        return p.barcode.find(wanted) != std::string::npos;
    });
}

void buildCodeClass(StockBrowserState& browser, const StockCatalog& stock) {
    const int wanted = browser.filterCodeClass;
    keepWhere(browser, stock, [wanted](const StockDefinition& p) { return p.codeClass == wanted; });
}

} // namespace

void showGroup(StockBrowserState& browser, const StockCatalog& stock, int gra, int grb, int grc) {
    browser.gra = gra;
    browser.grb = grb;
    browser.grc = grc;
    showCurrentGroup(browser, stock);
}

void showCurrentGroup(StockBrowserState& browser, const StockCatalog& stock) {
    browser.filter = ListFilter::Group;
    buildGroup(browser, stock);
}

void showAll(StockBrowserState& browser, const StockCatalog& stock) {
    browser.filter = ListFilter::All;
    keepWhere(browser, stock, [](const StockDefinition&) { return true; });
}

void showByName(StockBrowserState& browser, const StockCatalog& stock, const QString& text) {
    browser.filter = ListFilter::Name;
    browser.filterText = text;
    buildName(browser, stock);
}

void showByBarcode(StockBrowserState& browser, const StockCatalog& stock, const QString& text) {
    browser.filter = ListFilter::Barcode;
    browser.filterText = text;
    buildBarcode(browser, stock);
}

void showCodeClass(StockBrowserState& browser, const StockCatalog& stock, int codeClass) {
    browser.filter = ListFilter::CodeClass;
    browser.filterCodeClass = codeClass;
    buildCodeClass(browser, stock);
}

void reapplyFilter(StockBrowserState& browser, const StockCatalog& stock) {
    switch (browser.filter) {
    case ListFilter::Group:
        return buildGroup(browser, stock);
    case ListFilter::All:
        return showAll(browser, stock);
    case ListFilter::Name:
        browser.nameSearch.lastText.clear(); // the list may have changed: search it all
        return buildName(browser, stock);
    case ListFilter::Barcode:
        return buildBarcode(browser, stock);
    case ListFilter::CodeClass:
        return buildCodeClass(browser, stock);
    }
}

bool refreshIfStale(StockBrowserState& browser, const StockCatalog& stock) {
    if (browser.builtFrom == stock.generation)
        return false;
    reapplyFilter(browser, stock);
    // The same place where it can, the last full page where the list shrank.
    browser.firstRow = std::clamp(browser.firstRow, 0, lastFirstRow(browser));
    browser.drawnRows.clear();
    return true;
}

const StockDefinition& productOf(const StockBrowserState& browser, const StockCatalog& stock,
                                 std::size_t row) {
    return stock.products[browser.displayed[row].product];
}

StockDefinition& productOf(const StockBrowserState& browser, StockCatalog& stock, std::size_t row) {
    return stock.products[browser.displayed[row].product];
}

} // namespace parvela::stock
