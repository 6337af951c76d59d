#include "labels/BarcodeText.h"

#include <gtest/gtest.h>

using namespace parvela::labels;

TEST(BarcodeTextTest, theNumberStandsAfterThePrefixAndZerosFillTwelveDigits) {
    EXPECT_EQ(barcodeBase(869, 5), "869500000000");
    EXPECT_EQ(barcodeBase(869, 50), "869500000000");
    EXPECT_EQ(barcodeBase(869, 12345), "869123450000");
    EXPECT_EQ(barcodeBase(270, 999999999), "270999999999");
    EXPECT_EQ(barcodeBase(869, 0), std::nullopt);
    EXPECT_EQ(barcodeBase(869, -7), std::nullopt);
    EXPECT_EQ(barcodeBase(869, 1000000000), std::nullopt);
    EXPECT_EQ(decimalDigits(1000000000), 10);
    EXPECT_EQ(decimalDigits(-4), 0);
}

TEST(BarcodeTextTest, checkDigitsOfEanThirteen) {
    EXPECT_EQ(eanCheckDigit(869700000000), 4);
    EXPECT_EQ(eanCheckDigit(270123456789), 2);
    EXPECT_EQ(eanCheckDigit(869500000000), 0);
    EXPECT_EQ(eanCheckDigit(300030120001), 4);
    EXPECT_EQ(eanCheckDigit(300030120209), 4);
    std::string code = "869700000000";
    appendEanCheckDigit(code);
    EXPECT_EQ(code, "8697000000004");
}

TEST(BarcodeTextTest, weighedCodesHavePrefixTwentyFourToTwentyEightAndSevenToTwelveDigits) {
    EXPECT_TRUE(isWeighedCode("2700015"));
    EXPECT_TRUE(isWeighedCode("2412345"));
    EXPECT_TRUE(isWeighedCode("281234567890"));
    EXPECT_FALSE(isWeighedCode("2312345"));
    EXPECT_FALSE(isWeighedCode("2912345"));
    EXPECT_FALSE(isWeighedCode("251234"));
    EXPECT_FALSE(isWeighedCode("2512345678901"));
    EXPECT_FALSE(isWeighedCode("25a2345"));
}

TEST(BarcodeTextTest, theWeightFillsCharactersEightToTwelve) {
    const auto weighed = [](float kg, std::string code) {
        makeWeighedBarcode(kg, code);
        return code;
    };
    EXPECT_EQ(weighed(1.5F, "2700015"), "270001501500");
    EXPECT_EQ(weighed(12.25F, "2700015"), "270001512250");
    // A weight left empty.
    EXPECT_EQ(weighed(0.0F, "2700015"), "270001500000");
    // Digits after the twelfth and an earlier weight go.
    EXPECT_EQ(weighed(0.75F, "2700015123456789"), "270001500750");
    EXPECT_EQ(weighed(123.456F, "2700015"), "270001512345");
    // No room for a weight.
    EXPECT_EQ(weighed(1.5F, "2512"), "2512");
}
