#include "labels/LabelFieldText.h"

#include <gtest/gtest.h>
#include <optional>

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

TEST(LabelFieldTextTest, copiesAreNeverBelowOne) {
    EXPECT_EQ(typedCopies(QStringLiteral("3")), 3);
    EXPECT_EQ(typedCopies(QStringLiteral("0")), 1);
    EXPECT_EQ(typedCopies(QStringLiteral("iki")), 1);
}

// The weight goes into five digits of the code: 0 to 99,999 kg to the gram.
TEST(LabelFieldTextTest, aWeightIsANumberTheCodeCanCarryOrNothing) {
    const struct {
        const char* typed;
        std::optional<double> kg;
    } cases[] = {
        {"1,5", 1.5},       {"12.25 kg", 12.25}, {",75", 0.75},   {"", 0.0},       {" 2 KG ", 2.0},
        {"99,999", 99.999}, {"99,9994", 99.999}, {"0,0004", 0.0}, {"99,9995", {}}, {"100", {}},
        {"150", {}},        {"-1,5", {}},        {"-0,0001", {}}, {"abc", {}},     {"kg", {}},
        {"1,5abc", {}},     {"1,5,0", {}},
    };
    for (const auto& c : cases) {
        const std::optional<double> kg = typedWeight(QString::fromUtf8(c.typed));
        ASSERT_EQ(kg.has_value(), c.kg.has_value()) << c.typed;
        EXPECT_DOUBLE_EQ(kg.value_or(-1), c.kg.value_or(-1)) << c.typed;
    }
    EXPECT_EQ(weightRefusalCaption(), QStringLiteral("AĞIRLIK HATALI"));
    EXPECT_EQ(weightRefusal(QStringLiteral("150")),
              QStringLiteral("Ağırlık 0 ile 99,999 kg arasında bir sayı olmalıdır (örnek: 1,5).\n"
                             "Girilen: 150"));
}
