#include "db/TypedNumber.h"

#include "ScriptedMessageBoxes.h"
#include "TurkishLocale.h"

#include <QStringList>
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

TEST(TypedPrice, readsTurkishGroupingAndRefusesATextThatReadsTwoWays) {
    constexpr double kBig = 1e12;
    const struct {
        const char* typed;
        std::optional<double> expected;
    } cases[] = {
        {"12,50", 12.5},
        {"12.50", 12.5}, // a dot before two digits is a decimal point
        {"12.5", 12.5},
        {"1.2345", 1.2345},
        {"0.125", 0.125}, // no thousands start with 0
        {"1250", 1250},
        {"1.234,50", 1234.5},
        {"-1.234,5", -1234.5},
        {"1.234.567", 1234567},
        {"1.234.567,5", 1234567.5},
        {"", 0},
        {"1.250", std::nullopt},
        {"-1.250", std::nullopt},
        {" 12.345 ", std::nullopt},
        {"1.23,5", std::nullopt},
        {"1.2345,5", std::nullopt},
        {"1,234.50", std::nullopt},
        {"12.34.56", std::nullopt},
        {"abc", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parvela::db::typedPrice(QString::fromUtf8(c.typed), 11, kBig), c.expected)
            << c.typed;
    EXPECT_TRUE(parvela::db::isDotThousands(u"1.250"));
    for (const char16_t* once : {u"1.25", u"1.2500", u"1,250", u"1.250,0", u"0.250", u"1.250.000"})
        EXPECT_FALSE(parvela::db::isDotThousands(once)) << QString::fromUtf16(once).toStdString();
}

TEST(TypedPrice, aTextThatReadsTwoWaysIsToldWithBothReadings) {
    const struct {
        const char* typed;
        const char* readings;
    } cases[] = {
        {"1.250", "1250 ya da 1,25"},
        {"2.500", "2500 ya da 2,5"},
        {"1.000", "1000 ya da 1"},
        {"-12.345", "-12345 ya da -12,345"},
    };
    for (const auto& c : cases) {
        parvela::test::ScriptedMessageBoxes boxes;
        const QString typed = QString::fromUtf8(c.typed);
        EXPECT_FALSE(parvela::db::typedPriceOrSay({typed, "Fiyat", 11, 1e12}, boxes, nullptr));
        ASSERT_EQ(boxes.shown().size(), 1u) << c.typed;
        EXPECT_EQ(boxes.captions()[0], QStringLiteral("FİYAT BELİRSİZ"));
        const QString readings = QString::fromUtf8(c.readings);
        EXPECT_EQ(boxes.texts()[0],
                  QStringLiteral("\"Fiyat\" alanına girilen \"%1\" iki türlü okunabilir: %2.\n"
                                 "Hangisiyse öyle yazınız: %2.")
                      .arg(typed, readings));
    }
    parvela::test::ScriptedMessageBoxes boxes;
    EXPECT_FALSE(
        parvela::db::typedPriceOrSay({QStringLiteral("12 TL"), "Fiyat", 11, 1e12}, boxes, nullptr));
    EXPECT_EQ(boxes.captions(), QStringList{QStringLiteral("SAYI HATALI")});
}

TEST(TypedPrice, isShownWithADecimalCommaWhateverTheLocale) {
    const parvela::test::TurkishLocale decimalComma;
    EXPECT_EQ(parvela::db::shownPrice(1234.5), QStringLiteral("1234,50"));
    EXPECT_EQ(parvela::db::shownPrice(13.25678, 4), QStringLiteral("13,2568"));
    EXPECT_EQ(parvela::db::shownPrice(-3), QStringLiteral("-3,00"));
    EXPECT_EQ(parvela::db::typedPrice(parvela::db::shownPrice(1234.5), 11, 1e12), 1234.5);
}
