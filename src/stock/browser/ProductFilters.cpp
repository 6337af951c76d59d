#include "stock/browser/ProductFilters.h"

#include "platform/TurkishText.h"
#include "stock/browser/StockBrowserScroll.h"

#include <QStringList>
#include <algorithm>
#include <unordered_set>

namespace parvela::stock {

namespace {

template <typename Keep> void keepWhere(StockBrowserState& browser, Keep keep) {
    browser.displayed.clear();
    const ProductList& products = browser.shown->products;
    for (std::size_t i = 0; i < products.size(); ++i) {
        if (keep(products[i]))
            browser.displayed.push_back({static_cast<std::uint32_t>(i)});
    }
}

void buildGroup(StockBrowserState& browser) {
    const int gra = browser.gra;
    const int grb = browser.grb;
    const int grc = browser.grc;
    if (grc != 0)
        keepWhere(browser, [grc](const StockDefinition& p) { return p.grc == grc; });
    else if (grb != 0)
        keepWhere(browser, [grb](const StockDefinition& p) { return p.grb == grb; });
    else if (gra != 0)
        keepWhere(browser, [gra](const StockDefinition& p) { return p.gra == gra; });
    else
        keepWhere(browser, [](const StockDefinition&) { return true; });
}

// Folds the names of a catalogue once; a newer catalogue folds again only
// the products it does not share with the one folded before.
const std::vector<QString>& foldedNames(NameSearch& search, const CatalogueRef& catalogue) {
    if (search.foldedFrom == catalogue)
        return search.folded;
    const ProductList& products = catalogue->products;
    std::vector<QString> folded;
    folded.reserve(products.size());
    const ProductList* before = search.foldedFrom ? &search.foldedFrom->products : nullptr;
    for (std::size_t i = 0; i < products.size(); ++i) {
        const bool same = before != nullptr && i < before->size() &&
                          before->shared(i) == products.shared(i) && i < search.folded.size();
        folded.push_back(same ? search.folded[i] : platform::TurkishText::fold(products[i].stname));
    }
    search.folded = std::move(folded);
    search.foldedFrom = catalogue;
    search.lastText.clear();
    search.lastHits.clear();
    return search.folded;
}

void buildName(StockBrowserState& browser) {
    NameSearch& search = browser.nameSearch;
    const std::vector<QString>& names = foldedNames(search, browser.shown);
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
    search.lastText = wanted;
    search.lastHits = std::move(hits);
}

void buildBarcode(StockBrowserState& browser) {
    const std::string wanted = browser.filterText.toStdString();
    keepWhere(browser, [&wanted](const StockDefinition& p) {
        return p.barcode.find(wanted) != std::string::npos;
    });
}

void buildCodeClass(StockBrowserState& browser) {
    const int wanted = browser.filterCodeClass;
    keepWhere(browser, [wanted](const StockDefinition& p) { return p.codeClass == wanted; });
}

void rebuild(StockBrowserState& browser) {
    switch (browser.filter) {
    case ListFilter::Group:
        return buildGroup(browser);
    case ListFilter::All:
        return keepWhere(browser, [](const StockDefinition&) { return true; });
    case ListFilter::Name:
        browser.nameSearch.lastText.clear(); // the list may have changed: search it all
        return buildName(browser);
    case ListFilter::Barcode:
        return buildBarcode(browser);
    case ListFilter::CodeClass:
        return buildCodeClass(browser);
    }
}

// What the user had on the list, by code.
struct Held {
    std::unordered_set<StockCode> marked;
    std::unordered_set<StockCode> highlighted;
    std::unordered_set<StockCode> current;
    StockCode firstShown = 0;
};

Held heldOf(const StockBrowserState& browser) {
    Held held;
    for (std::size_t row = 0; row < browser.displayed.size(); ++row) {
        const BrowserRow& flags = browser.displayed[row];
        const StockCode code = productOf(browser, row).stcode;
        if (flags.marked)
            held.marked.insert(code);
        if (flags.highlighted)
            held.highlighted.insert(code);
        if (flags.isCurrent)
            held.current.insert(code);
        if (static_cast<int>(row) == browser.firstRow)
            held.firstShown = code;
    }
    return held;
}

} // namespace

void showGroup(StockBrowserState& browser, const CatalogueRef& catalogue, int gra, int grb,
               int grc) {
    browser.gra = gra;
    browser.grb = grb;
    browser.grc = grc;
    showCurrentGroup(browser, catalogue);
}

void showCurrentGroup(StockBrowserState& browser, const CatalogueRef& catalogue) {
    browser.filter = ListFilter::Group;
    browser.shown = catalogue;
    buildGroup(browser);
}

void showAll(StockBrowserState& browser, const CatalogueRef& catalogue) {
    browser.filter = ListFilter::All;
    browser.shown = catalogue;
    rebuild(browser);
}

void showByName(StockBrowserState& browser, const CatalogueRef& catalogue, const QString& text) {
    browser.filter = ListFilter::Name;
    browser.filterText = text;
    browser.shown = catalogue;
    buildName(browser);
}

void showByBarcode(StockBrowserState& browser, const CatalogueRef& catalogue, const QString& text) {
    browser.filter = ListFilter::Barcode;
    browser.filterText = text;
    browser.shown = catalogue;
    buildBarcode(browser);
}

void showCodeClass(StockBrowserState& browser, const CatalogueRef& catalogue, int codeClass) {
    browser.filter = ListFilter::CodeClass;
    browser.filterCodeClass = codeClass;
    browser.shown = catalogue;
    buildCodeClass(browser);
}

void reapplyFilter(StockBrowserState& browser, const CatalogueRef& catalogue) {
    browser.shown = catalogue;
    rebuild(browser);
}

bool refreshIfStale(StockBrowserState& browser, const CatalogueRef& newest) {
    if (browser.shown == newest)
        return false;
    const Held held = heldOf(browser);
    const StockCode current = browser.current.stcode;
    reapplyFilter(browser, newest);
    std::size_t marksKept = 0;
    int firstShown = -1;
    for (std::size_t row = 0; row < browser.displayed.size(); ++row) {
        BrowserRow& flags = browser.displayed[row];
        const StockCode code = productOf(browser, row).stcode;
        flags.marked = held.marked.contains(code);
        flags.highlighted = held.highlighted.contains(code);
        flags.isCurrent = held.current.contains(code);
        marksKept += flags.marked ? 1 : 0;
        if (firstShown < 0 && code == held.firstShown && held.firstShown != 0)
            firstShown = static_cast<int>(row);
    }
    // The same place where it can, the last full page where the list shrank.
    browser.firstRow =
        std::clamp(firstShown >= 0 ? firstShown : browser.firstRow, 0, lastFirstRow(browser));
    browser.drawnRows.clear();
    QStringList dropped;
    if (const std::size_t gone = held.marked.size() - std::min(held.marked.size(), marksKept))
        dropped << QStringLiteral("%1 işaretli ürün listede artık yok").arg(gone);
    if (current != 0) {
        if (const StockDefinition* product = newest->find(current)) {
            browser.current = *product;
        } else {
            dropped << QStringLiteral("seçili ürün (%1) artık kayıtlı değil").arg(current);
            browser.current = StockDefinition{};
            browser.selectedRecipeLine = 0;
        }
    }
    if (!dropped.isEmpty())
        browser.notice = dropped.join(QStringLiteral("; ")) + QLatin1Char('.');
    return true;
}

const StockDefinition& productOf(const StockBrowserState& browser, std::size_t row) {
    return browser.shown->products[browser.displayed[row].product];
}

} // namespace parvela::stock
