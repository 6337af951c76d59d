#include "recipes/LineEdits.h"

#include "CatalogFixtures.h"
#include "ScriptedMessageBoxes.h"
#include "recipes/Candidates.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace parvela;
using Positions = std::vector<std::uint32_t>;

namespace {

stock::StockDefinition product(stock::StockCode code, const char* name, int gra, int grb) {
    stock::StockDefinition p;
    p.stcode = code;
    p.stname = QString::fromUtf8(name);
    p.gra = gra;
    p.grb = grb;
    return p;
}

} // namespace

TEST(Candidates, aGroupBNarrowsGroupAAndANameSearchLooksEverywhere) {
    const std::vector<stock::StockDefinition> products = {
        product(1, "Çoban Salata", 1, 11), product(2, "Şalgam", 2, 21),
        product(3, "Izgara Köfte", 1, 12), product(4, "Cacık", 1, 11)};
    EXPECT_EQ(recipes::candidatesOf(products, {}), (Positions{0, 1, 2, 3}));
    EXPECT_EQ(recipes::candidatesOf(products, {1, 0, {}}), (Positions{0, 2, 3}));
    EXPECT_EQ(recipes::candidatesOf(products, {1, 11, {}}), (Positions{0, 3}));
    // One letter does not search; two do, in every group and whatever the case.
    EXPECT_EQ(recipes::candidatesOf(products, {1, 11, QStringLiteral("s")}), (Positions{0, 3}));
    EXPECT_EQ(recipes::candidatesOf(products, {1, 11, QStringLiteral("SAL")}), (Positions{0, 1}));
    EXPECT_EQ(recipes::candidatesOf(products, {0, 0, QStringLiteral("ızgara")}), (Positions{2}));
}

TEST(LineEdits, linesMergeByIngredientAndQuantitiesShowTheirUnitsDecimals) {
    std::vector<recipes::RecipeLine> lines;
    recipes::addRecipeLine(lines, test::recipeLine(9, 1, 2));
    recipes::addRecipeLine(lines, test::recipeLine(9, 2, 1));
    recipes::addRecipeLine(lines, test::recipeLine(9, 1, 3));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_DOUBLE_EQ(lines[0].qua, 5);
    recipes::removeRecipeLine(lines, 1);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].ingredient, 2);

    const std::vector<stock::Unit> units = {{QStringLiteral("ad"), 1}, {QStringLiteral("kg"), 4}};
    EXPECT_EQ(recipes::unitSetting(units, "kg"), 4);
    EXPECT_EQ(recipes::unitSetting(units, "lt"), -1);
    // Menu lines: setting n gives n decimals (0 to 3).
    EXPECT_EQ(recipes::menuQuantityText(1.25, 0), QStringLiteral("1"));
    EXPECT_EQ(recipes::menuQuantityText(1.25, 2), QStringLiteral("1.25"));
    EXPECT_EQ(recipes::menuQuantityText(1.25, 4), QStringLiteral("1.250"));
    // The quantity change: setting n gives n - 1 (1 to 7).
    EXPECT_EQ(recipes::recipeQuantityText(0.125, 1), QStringLiteral("0"));
    EXPECT_EQ(recipes::recipeQuantityText(0.125, 4), QStringLiteral("0.125"));
    EXPECT_EQ(recipes::recipeQuantityText(0.125, 7), QStringLiteral("0.125000"));
    EXPECT_EQ(recipes::recipeQuantityText(0.125, -1), QStringLiteral("0.125"));
}

TEST(LineEdits, aTypedQuantityNotAboveZeroIsOne) {
    test::ScriptedMessageBoxes boxes;
    EXPECT_EQ(recipes::typedQuantity(QStringLiteral(" 12,5 "), boxes, nullptr), 12.5);
    EXPECT_EQ(recipes::typedQuantity(QStringLiteral("-3"), boxes, nullptr), 1.0);
    // Only the first 12 characters count, as the field holds no more.
    EXPECT_EQ(recipes::typedQuantity(QStringLiteral("0,500000000009"), boxes, nullptr), 0.5);
    EXPECT_FALSE(recipes::typedQuantity(QStringLiteral("1,2,3"), boxes, nullptr).has_value());
    EXPECT_EQ(boxes.captions(), QStringList{QStringLiteral("SAYI HATALI")});
}
