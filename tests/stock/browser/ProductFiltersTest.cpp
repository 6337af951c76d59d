#include "stock/browser/ProductFilters.h"

#include <gtest/gtest.h>

using namespace parvela;
using stock::StockDefinition;

namespace {

StockDefinition product(stock::StockCode code, const char* name, int gra, int grb, int grc) {
    StockDefinition p;
    p.stcode = code;
    p.stname = QString::fromUtf8(name);
    p.gra = gra;
    p.grb = grb;
    p.grc = grc;
    return p;
}

class ProductFiltersTest : public ::testing::Test {
protected:
    ProductFiltersTest() {
        m_products = {product(1, "Izgara Köfte", 10, 20, 30), product(2, "İskender", 10, 20, 31),
                      product(3, "Ayran", 11, 21, 32), product(4, "Kıymalı Pide", 10, 22, 33)};
        m_products[0].barcode = "8690001";
        m_products[2].barcode = "2700001";
        m_products[3].barcode = "8690002";
        m_products[1].codeClass = 8088;
        m_products[3].codeClass = 8088;
        m_products[2].codeClass = 9099;
        reread();
    }

    // The list was read again: a newer catalogue.
    void reread() {
        auto next = std::make_shared<stock::Catalogue>();
        next->products = m_products;
        next->reindex();
        m_stock = std::move(next);
    }
    std::vector<stock::StockCode> codesOf(const stock::StockBrowserState& browser) const {
        std::vector<stock::StockCode> codes;
        for (const stock::BrowserRow& row : browser.displayed)
            codes.push_back(browser.shown->products[row.product].stcode);
        return codes;
    }

    std::vector<StockDefinition> m_products;
    stock::CatalogueRef m_stock;
    stock::StockBrowserState m_browser;
};

} // namespace

TEST_F(ProductFiltersTest, groupFiltersOnTheDeepestLevelGiven) {
    stock::showGroup(m_browser, m_stock, 10, 0, 0);
    EXPECT_EQ(codesOf(m_browser), (std::vector<stock::StockCode>{1, 2, 4}));
    stock::showGroup(m_browser, m_stock, 10, 20, 0);
    EXPECT_EQ(codesOf(m_browser), (std::vector<stock::StockCode>{1, 2}));
    stock::showGroup(m_browser, m_stock, 10, 20, 31);
    EXPECT_EQ(codesOf(m_browser), (std::vector<stock::StockCode>{2}));
    stock::showGroup(m_browser, m_stock, 0, 0, 0);
    EXPECT_EQ(m_browser.displayed.size(), 4u);
}

TEST_F(ProductFiltersTest, nameSearchIgnoresCaseAndTheTurkishLetters) {
    // Typed with the Turkish letters or without them, in either case.
    for (const char* text : {"is", "İS", "iskender"}) {
        stock::showByName(m_browser, m_stock, QString::fromUtf8(text));
        EXPECT_EQ(codesOf(m_browser), (std::vector<stock::StockCode>{2})) << text;
    }
    for (const char* text : {"izgara", "IZGARA", "ızgara", "köfte", "kofte", "KÖFTE"}) {
        stock::showByName(m_browser, m_stock, QString::fromUtf8(text));
        EXPECT_EQ(codesOf(m_browser), (std::vector<stock::StockCode>{1})) << text;
    }
    stock::showByName(m_browser, m_stock, QStringLiteral("KIYMA"));
    EXPECT_EQ(codesOf(m_browser), (std::vector<stock::StockCode>{4}));
    stock::showByName(m_browser, m_stock, QStringLiteral("kiymali"));
    EXPECT_EQ(codesOf(m_browser), (std::vector<stock::StockCode>{4}));
    stock::showByName(m_browser, m_stock, QStringLiteral("çorba"));
    EXPECT_TRUE(m_browser.displayed.empty());
}

TEST_F(ProductFiltersTest, aLongerTextNarrowsAndAShorterOneSearchesAgain) {
    m_products.push_back(product(5, "Çorba", 1, 0, 0));
    m_products.push_back(product(6, "Mercimek Çorbası", 1, 0, 0));
    reread();
    stock::showByName(m_browser, m_stock, QStringLiteral("co"));
    EXPECT_EQ(codesOf(m_browser), (std::vector<stock::StockCode>{5, 6}));
    stock::showByName(m_browser, m_stock, QStringLiteral("corbas"));
    EXPECT_EQ(codesOf(m_browser), (std::vector<stock::StockCode>{6}));
    stock::showByName(m_browser, m_stock, QStringLiteral("cor"));
    EXPECT_EQ(codesOf(m_browser), (std::vector<stock::StockCode>{5, 6}));
    // A product read since is found although the text only grew.
    m_products.push_back(product(7, "Ezogelin Çorbası", 1, 0, 0));
    reread();
    stock::showByName(m_browser, m_stock, QStringLiteral("corba"));
    EXPECT_EQ(codesOf(m_browser), (std::vector<stock::StockCode>{5, 6, 7}));
}

TEST_F(ProductFiltersTest, barcodeAndCodeClassKeepListOrder) {
    stock::showByBarcode(m_browser, m_stock, QStringLiteral("869"));
    EXPECT_EQ(codesOf(m_browser), (std::vector<stock::StockCode>{1, 4}));
    stock::showCodeClass(m_browser, m_stock, 8088);
    EXPECT_EQ(codesOf(m_browser), (std::vector<stock::StockCode>{2, 4}));
}

TEST_F(ProductFiltersTest, reapplyRunsTheLastFilterOverTheNewList) {
    stock::showGroup(m_browser, m_stock, 10, 20, 0);
    stock::showByName(m_browser, m_stock, QStringLiteral("pide"));
    m_products.push_back(product(5, "Kaşarlı Pide", 11, 21, 32));
    reread();
    stock::reapplyFilter(m_browser, m_stock);
    EXPECT_EQ(codesOf(m_browser), (std::vector<stock::StockCode>{4, 5}));

    stock::showCurrentGroup(m_browser, m_stock);
    m_products.erase(m_products.begin());
    reread();
    m_browser.firstRow = 5;
    EXPECT_TRUE(stock::refreshIfStale(m_browser, m_stock));
    EXPECT_FALSE(stock::refreshIfStale(m_browser, m_stock));
    EXPECT_EQ(m_browser.firstRow, 0); // one product fits a page
    EXPECT_EQ(codesOf(m_browser), (std::vector<stock::StockCode>{2}));

    stock::showAll(m_browser, m_stock);
    m_products.pop_back();
    reread();
    stock::reapplyFilter(m_browser, m_stock);
    EXPECT_EQ(m_browser.displayed.size(), m_products.size());
}

// A newer catalogue (another window's save, a read in the background) keeps
// what the user had by code, wherever the products moved to, and names what
// is gone.
TEST_F(ProductFiltersTest, aNewerCatalogueKeepsMarksAndPlaceByCodeAndNamesWhatIsGone) {
    for (int i = 0; i < 40; ++i)
        m_products.push_back(product(100 + i, "Çay", 1, 0, 0));
    reread();
    stock::showAll(m_browser, m_stock);
    m_browser.displayed[1].marked = true;      // 2
    m_browser.displayed[2].marked = true;      // 3
    m_browser.displayed[3].highlighted = true; // 4
    m_browser.firstRow = 3;
    m_browser.current = m_products[3];
    // 3 goes, a product comes first, 4 is renamed.
    m_products.erase(m_products.begin() + 2);
    m_products.insert(m_products.begin(), product(50, "Ada Çayı", 1, 0, 0));
    m_products[3].stname = QStringLiteral("Kıymalı Pide Büyük");
    reread();
    ASSERT_TRUE(stock::refreshIfStale(m_browser, m_stock));
    EXPECT_EQ(codesOf(m_browser)[3], 4);
    EXPECT_EQ(m_browser.firstRow, 3);
    std::vector<stock::StockCode> marked;
    for (std::size_t row = 0; row < m_browser.displayed.size(); ++row)
        if (m_browser.displayed[row].marked)
            marked.push_back(codesOf(m_browser)[row]);
    EXPECT_EQ(marked, (std::vector<stock::StockCode>{2}));
    EXPECT_TRUE(m_browser.displayed[3].highlighted);
    EXPECT_EQ(m_browser.current.stname, QStringLiteral("Kıymalı Pide Büyük"));
    EXPECT_EQ(m_browser.notice, QStringLiteral("1 işaretli ürün listede artık yok."));

    // The current product deleted elsewhere: nothing acts on it any more.
    m_products.erase(m_products.begin() + 3);
    reread();
    stock::refreshIfStale(m_browser, m_stock);
    EXPECT_EQ(m_browser.current.stcode, 0);
    EXPECT_EQ(m_browser.notice, QStringLiteral("seçili ürün (4) artık kayıtlı değil."));
}
