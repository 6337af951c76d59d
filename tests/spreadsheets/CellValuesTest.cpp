#include "spreadsheets/CellValues.h"

#include "PrintQString.h"
#include "TurkishLocale.h"

#include <gtest/gtest.h>

namespace parvela::spreadsheets {
namespace {

Cell number(double value) {
    return {Cell::Kind::Number, {}, value};
}
Cell text(const char* value) {
    return {Cell::Kind::Text, QString::fromUtf8(value), 0};
}
Cell other(const char* value) {
    return {Cell::Kind::Other, QString::fromUtf8(value), 0};
}

TEST(CellTextTest, WholeNumbersKeepTheirDigitsOthersTheirShortestDottedForm) {
    const test::TurkishLocale decimalComma;
    const struct {
        Cell cell;
        const char* expected;
    } cases[] = {
        {number(8690000000017.0), "8690000000017"},
        {number(123456789012345.0), "123456789012345"},
        {number(869000000000000000.0), "869000000000000000"},
        {number(-42), "-42"},
        {number(-0.0), "0"},
        {number(12.5), "12.5"},
        {number(-0.25), "-0.25"},
        {number(0.1), "0.1"},
        {number(1e20), "1e+20"},
        {text("0869000000001"), "0869000000001"},
        {other("2026-12-08"), "2026-12-08"},
        {Cell{}, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cellText(c.cell), QString::fromUtf8(c.expected)) << c.expected;
}

TEST(CellPriceTest, ReadsTextWithEitherDecimalMarkAndAUnit) {
    const test::TurkishLocale decimalComma;
    const struct {
        const char* text;
        double expected;
        bool dotThousands = false;
    } cases[] = {
        {"12,50", 12.5},
        {"12.50", 12.5},
        {"1.234,50", 1234.5},
        {"1,234.50", 1234.5},
        {"1.234.567", 1234567},
        // A dot before exactly three digits is the platform's thousands, to look at.
        {"1.250", 1250, true},
        {"-1.250", -1250, true},
        {"1.250 TL", 1250, true},
        {"1.2345", 1.2345}, // one mark alone is otherwise decimal, as a typed "12.50" is
        {"0.250", 0.25},
        {"1,250", 1.25},
        {"0,5", 0.5},
        {"1 234,50", 1234.5},
        {"1 234 567", 1234567},
        {"12 34", 12}, // a blank groups three digits only
        {" 12,50 TL ", 12.5},
        {"12,50₺", 12.5},
        {"₺ 12,50", 12.5},
        {"-3,5", -3.5},
        {"+7", 7},
        {"12,", 12},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cellPrice(text(c.text)), (SheetPrice{c.expected, c.dotThousands})) << c.text;
}

TEST(CellPriceTest, GivesNothingWithoutAClearNumberInFront) {
    for (const char* refused :
         {"", "   ", "TL 12", ",50", "fiyat", "1.2,3.4", "12,50,00", "1..2", "₺"})
        EXPECT_EQ(cellPrice(text(refused)), std::nullopt) << refused;
    EXPECT_EQ(cellPrice(other("2026-12-08")), std::nullopt);
    EXPECT_EQ(cellPrice(other("TRUE")), std::nullopt);
    EXPECT_EQ(cellPrice(Cell{}), std::nullopt);
}

TEST(CellPriceTest, TakesANumberAsItStands) {
    EXPECT_EQ(cellPrice(number(12.5)), SheetPrice{12.5});
    EXPECT_EQ(cellPrice(number(1.25)), SheetPrice{1.25});
    EXPECT_EQ(cellPrice(number(-1)), SheetPrice{-1});
}

} // namespace
} // namespace parvela::spreadsheets
