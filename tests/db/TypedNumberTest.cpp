#include "db/TypedNumber.h"

#include <gtest/gtest.h>

using parvela::db::typedNumber;

TEST(TypedNumber, takesCommaOrPointAndRefusesTheRest) {
    constexpr double kBig = 1e12;
    EXPECT_EQ(typedNumber(QStringLiteral("12,50"), 11, kBig), 12.5);
    EXPECT_EQ(typedNumber(QStringLiteral("7,5"), 11, kBig), 7.5);
    EXPECT_EQ(typedNumber(QStringLiteral(" 12.75 "), 11, kBig), 12.75);
    EXPECT_EQ(typedNumber(QStringLiteral("-3,5"), 11, kBig), -3.5);
    EXPECT_EQ(typedNumber(QStringLiteral("+4"), 11, kBig), 4.0);
    EXPECT_EQ(typedNumber(QString(), 11, kBig), 0.0);
    EXPECT_EQ(typedNumber(QStringLiteral("   "), 11, kBig), 0.0);
    // Only as many characters as the field takes.
    EXPECT_EQ(typedNumber(QStringLiteral("123456789012345"), 11, kBig), 12345678901.0);
    for (const char* bad : {"abc", "12 TL", "1.2.3", "12,5,0", "nan", "inf", "-inf", "1e5", "1e308",
                            "0x10", ",", "-", "+"})
        EXPECT_FALSE(typedNumber(QString::fromUtf8(bad), 11, kBig)) << bad;
    EXPECT_FALSE(typedNumber(QStringLiteral("1000000"), 11, 999999.999));
    EXPECT_EQ(typedNumber(QStringLiteral("999999"), 11, 999999.999), 999999.0);
}
