#include "stock/ProductFilters.h"

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

std::vector<stock::StockCode> codesOf(const stock::StockBrowserState& browser) {
    std::vector<stock::StockCode> codes;
    for (const StockDefinition& p : browser.displayed)
        codes.push_back(p.stcode);
    return codes;
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
    }

    std::vector<StockDefinition> m_products;
    stock::StockBrowserState m_browser;
};

} // namespace

TEST_F(ProductFiltersTest, groupFiltersOnTheDeepestLevelGiven) {
    stock::showGroup(m_browser, m_products, 10, 0, 0);
    EXPECT_EQ(codesOf(m_browser), (std::vector<stock::StockCode>{1, 2, 4}));
    stock::showGroup(m_browser, m_products, 10, 20, 0);
    EXPECT_EQ(codesOf(m_browser), (std::vector<stock::StockCode>{1, 2}));
    stock::showGroup(m_browser, m_products, 10, 20, 31);
    EXPECT_EQ(codesOf(m_browser), (std::vector<stock::StockCode>{2}));
    stock::showGroup(m_browser, m_products, 0, 0, 0);
    EXPECT_EQ(m_browser.displayed.size(), 4u);
}

TEST_F(ProductFiltersTest, nameSearchFollowsTurkishCasing) {
    // "i" and "İ" are a case pair, "ı" and "I" the other.
    stock::showByName(m_browser, m_products, QStringLiteral("is"));
    EXPECT_EQ(codesOf(m_browser), (std::vector<stock::StockCode>{2}));
    stock::showByName(m_browser, m_products, QStringLiteral("izgara"));
    EXPECT_TRUE(m_browser.displayed.empty());
    stock::showByName(m_browser, m_products, QStringLiteral("IZGARA"));
    EXPECT_EQ(codesOf(m_browser), (std::vector<stock::StockCode>{1}));
    stock::showByName(m_browser, m_products, QStringLiteral("KIYMA"));
    EXPECT_EQ(codesOf(m_browser), (std::vector<stock::StockCode>{4}));
}

TEST_F(ProductFiltersTest, barcodeAndCodeClassKeepListOrder) {
    stock::showByBarcode(m_browser, m_products, QStringLiteral("869"));
    EXPECT_EQ(codesOf(m_browser), (std::vector<stock::StockCode>{1, 4}));
    stock::showCodeClass(m_browser, m_products, 8088);
    EXPECT_EQ(codesOf(m_browser), (std::vector<stock::StockCode>{2, 4}));
}

TEST_F(ProductFiltersTest, reapplyRunsTheLastFilterOverTheNewList) {
    stock::showGroup(m_browser, m_products, 10, 20, 0);
    stock::showByName(m_browser, m_products, QStringLiteral("pide"));
    m_products.push_back(product(5, "Kaşarlı Pide", 11, 21, 32));
    stock::reapplyFilter(m_browser, m_products);
    EXPECT_EQ(codesOf(m_browser), (std::vector<stock::StockCode>{4, 5}));

    stock::showCurrentGroup(m_browser, m_products);
    m_products.erase(m_products.begin());
    stock::reapplyFilter(m_browser, m_products);
    EXPECT_EQ(codesOf(m_browser), (std::vector<stock::StockCode>{2}));

    stock::showAll(m_browser, m_products);
    m_products.pop_back();
    stock::reapplyFilter(m_browser, m_products);
    EXPECT_EQ(m_browser.displayed.size(), m_products.size());
}
