#include "stock/catalogue/NextCode.h"

#include <gtest/gtest.h>
#include <limits>

using namespace parvela;
using stock::StockCode;

namespace {

std::vector<stock::StockDefinition> productsWithCodes(const std::vector<StockCode>& codes) {
    std::vector<stock::StockDefinition> products(codes.size());
    for (size_t i = 0; i < codes.size(); ++i)
        products[i].stcode = codes[i];
    return products;
}

const std::vector<StockCode> kGroup12Full{121, 122, 123, 124, 125, 126, 127, 128, 129};

} // namespace

TEST(NextCode, countersAreWrittenAfterThePrefix) {
    EXPECT_EQ(stock::composeCode(5, 1), 51);
    EXPECT_EQ(stock::composeCode(5, 10), 510);
    EXPECT_EQ(stock::composeCode(333, 12), 33312);
    EXPECT_EQ(stock::composeCode(0, 1), -1);
    EXPECT_EQ(stock::composeCode(5, 0), -1);
}

TEST(NextCode, compositionThatDoesNotFitFails) {
    constexpr StockCode kMax = std::numeric_limits<StockCode>::max();
    EXPECT_EQ(stock::composeCode(kMax / 10, 7), kMax);
    EXPECT_EQ(stock::composeCode(kMax / 10, 8), -1);
    EXPECT_EQ(stock::composeCode(kMax / 100, 99), -1);
    EXPECT_EQ(stock::composeCode(1, kMax), -1);
    EXPECT_EQ(stock::composeCode(9, 223372036854775807LL), kMax);
}

TEST(NextCode, bothVariantsGoPastNineToTen) {
    const auto products = productsWithCodes(kGroup12Full);
    EXPECT_EQ(stock::nextCodeFromProducts(12, products, {}), 1210);
    EXPECT_EQ(stock::nextCodeFromCodes(12, kGroup12Full, {}), 1210);
    EXPECT_EQ(stock::nextCodeFromCodes(12, {121, 123}, {}), 122);
}

TEST(NextCode, deletedCodesAreNeverHandedOutAgain) {
    const auto products = productsWithCodes({121, 122});
    EXPECT_EQ(stock::nextCodeFromProducts(12, products, {123}), 124);
    EXPECT_EQ(stock::nextCodeFromCodes(12, {121, 122}, {123, 124}), 125);
    // Only the variant's own list counts as taken: the products in memory
    // do not know of a code the server has.
    EXPECT_EQ(stock::nextCodeFromProducts(12, productsWithCodes({121}), {}), 122);
}

TEST(NextCode, noGroupAGivesNoCode) {
    EXPECT_EQ(stock::nextCodeFromProducts(0, {}, {}), -1);
    EXPECT_EQ(stock::nextCodeFromCodes(-3, {}, {}), -1);
}

TEST(NextCode, finishedSeriesStartsWhereTheCallerSays) {
    const stock::CodeSet taken{3331, 3332, 3334};
    const stock::CodeSet deleted{3333};
    EXPECT_EQ(stock::firstFreeCode(stock::kFinishedPrefix, 1, taken, deleted), 3335);
    EXPECT_EQ(stock::firstFreeCode(stock::kFinishedPrefix, 40, taken, deleted), 33340);
    EXPECT_EQ(stock::firstFreeCode(stock::kFinishedPrefix, 0, {}, {}), 3331);
}
