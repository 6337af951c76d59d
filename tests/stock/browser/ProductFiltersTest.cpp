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
        m_stock.generation = 1;
        m_products[0].barcode = "8690001";
        m_products[2].barcode = "2700001";
        m_products[3].barcode = "8690002";
        m_products[1].codeClass = 8088;
        m_products[3].codeClass = 8088;
        m_products[2].codeClass = 9099;
    }

    // The list was read again: the rows built from the old one are stale.
    void reread() { ++m_stock.generation; }
    std::vector<stock::StockCode> codesOf(const stock::StockBrowserState& browser) const {
        std::vector<stock::StockCode> codes;
        for (const stock::BrowserRow& row : browser.displayed)
            codes.push_back(m_products[row.product].stcode);
        return codes;
    }

    stock::StockCatalog m_stock;
    std::vector<StockDefinition>& m_products = m_stock.products;
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
