#include "labels/LabelFieldText.h"

#include <gtest/gtest.h>

using namespace parvela::labels;

TEST(LabelFieldTextTest, numberFieldsTakeTheIntegerTheTextBeginsWith) {
    EXPECT_EQ(leadingInteger(QStringLiteral("120")), 120);
    EXPECT_EQ(leadingInteger(QStringLiteral(" 35 dots")), 35);
    EXPECT_EQ(leadingInteger(QStringLiteral("-8")), -8);
    EXPECT_EQ(leadingInteger(QStringLiteral("12,5")), 12);
    // What is not a number is stored as 0.
    EXPECT_EQ(leadingInteger(QString()), 0);
    EXPECT_EQ(leadingInteger(QStringLiteral("abc")), 0);
    // Only the first ten characters count, and nothing overflows.
    EXPECT_EQ(leadingInteger(QStringLiteral("12345678901234")), 1234567890);
    EXPECT_EQ(leadingInteger(QStringLiteral("9999999999")), 2147483647);
}

TEST(LabelFieldTextTest, weightTakesADecimalCommaAndCopiesAreNeverBelowOne) {
    EXPECT_DOUBLE_EQ(typedWeight(QStringLiteral("1,5")), 1.5);
    EXPECT_DOUBLE_EQ(typedWeight(QStringLiteral("12.25 kg")), 12.25);
    EXPECT_DOUBLE_EQ(typedWeight(QStringLiteral(",75")), 0.75);
    EXPECT_DOUBLE_EQ(typedWeight(QString()), 0.0);
    EXPECT_DOUBLE_EQ(typedWeight(QStringLiteral("kg")), 0.0);
    EXPECT_EQ(typedCopies(QStringLiteral("3")), 3);
    EXPECT_EQ(typedCopies(QStringLiteral("0")), 1);
    EXPECT_EQ(typedCopies(QStringLiteral("iki")), 1);
}
