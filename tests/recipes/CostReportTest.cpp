#include "recipes/CostReport.h"

#include "CatalogFixtures.h"
#include "ScriptedMessageBoxes.h"
#include "recipes/CostReportText.h"

#include <gtest/gtest.h>

using namespace parvela;
using test::productRecord;
using test::recipeLine;

namespace {

// Pilav (1) is 2 × Sos (2) + 1 × Tuz (4); Sos is 3 × Domates (3). Sos's
// stored 5 is stale against its 6; Salça (5) and Çorba (6) are one Domates
// each, 0.004 and 0.006 off.
struct ThreeLevels {
    std::vector<stock::StockDefinition> products = {
        productRecord(1, "Pilav", 13),    productRecord(2, "Sos", 5),
        productRecord(3, "Domates", 2),   productRecord(4, "Tuz", 1),
        productRecord(5, "Salça", 2.004), productRecord(6, "Çorba", 2.006)};
    std::vector<recipes::RecipeLine> lines = {recipeLine(1, 2, 2), recipeLine(1, 4, 1),
                                              recipeLine(2, 3, 3), recipeLine(5, 3, 1),
                                              recipeLine(6, 3, 1)};
};

} // namespace

TEST(CostReport, expandsEveryLevelAndShowsWhatEachIngredientAdds) {
    ThreeLevels catalogue;
    recipes::CostReport report(catalogue.products, catalogue.lines);
    const std::optional<recipes::ProductCost> pilav = report.product(1);
    ASSERT_TRUE(pilav);
    EXPECT_DOUBLE_EQ(pilav->stored, 13);
    EXPECT_DOUBLE_EQ(pilav->onePass, 2 * 5 + 1);
    EXPECT_DOUBLE_EQ(pilav->full, 2 * (3 * 2) + 1);
    ASSERT_EQ(pilav->ingredients.size(), 2u);
    const recipes::IngredientCost& sos = pilav->ingredients[0];
    EXPECT_EQ(sos.code, 2);
    EXPECT_EQ(sos.name, QStringLiteral("Sos"));
    EXPECT_DOUBLE_EQ(sos.storedUnitCost, 5);
    EXPECT_DOUBLE_EQ(sos.onePass, 10);
    EXPECT_DOUBLE_EQ(sos.fullUnitCost, 6);
    EXPECT_DOUBLE_EQ(sos.full, 12);
    EXPECT_DOUBLE_EQ(pilav->ingredients[1].full, 1);
    EXPECT_TRUE(pilav->cycles.isEmpty());
}

TEST(CostReport, storedCostsFromTheServerOverrideTheListsCosts) {
    ThreeLevels catalogue;
    recipes::CostReport report(catalogue.products, catalogue.lines, {{2, 6}, {1, 11}});
    const std::optional<recipes::ProductCost> pilav = report.product(1);
    EXPECT_DOUBLE_EQ(pilav->stored, 11);
    EXPECT_DOUBLE_EQ(pilav->onePass, 13);
    EXPECT_EQ(report.product(99), std::nullopt);
}

TEST(CostReport, listsTheStaleCostsBeyondTheTolerance) {
    ThreeLevels catalogue;
    recipes::CostReport report(catalogue.products, catalogue.lines);
    const recipes::StaleList stale = report.staleCosts();
    ASSERT_EQ(stale.products.size(), 2u);
    EXPECT_EQ(stale.products[0].code, 2);
    EXPECT_DOUBLE_EQ(stale.products[0].stored, 5);
    EXPECT_DOUBLE_EQ(stale.products[0].full, 6);
    // Salça, 0.004 off, is fresh; Çorba, 0.006 off, is not.
    EXPECT_EQ(stale.products[1].code, 6);
    EXPECT_EQ(stale.products[1].name, QStringLiteral("Çorba"));
    EXPECT_EQ(stale.onCycles, 0);
}

// Alfa (1) is 2 × Beta (2) + Tuz (3); Beta is 1 × Alfa + Tuz. Kek (4) uses Alfa.
struct Cycle {
    std::vector<stock::StockDefinition> products = {
        productRecord(1, "Alfa", 10), productRecord(2, "Beta", 4), productRecord(3, "Tuz", 3),
        productRecord(4, "Kek", 0)};
    std::vector<recipes::RecipeLine> lines = {recipeLine(1, 2, 2), recipeLine(1, 3, 1),
                                              recipeLine(2, 1, 1), recipeLine(2, 3, 1),
                                              recipeLine(4, 1, 1)};
};

TEST(CostReport, namesACycleAndClosesItAtTheStoredCost) {
    Cycle catalogue;
    recipes::CostReport report(catalogue.products, catalogue.lines);
    const std::optional<recipes::ProductCost> alfa = report.product(1);
    ASSERT_TRUE(alfa);
    EXPECT_EQ(alfa->cycles, QStringList{QStringLiteral("Döngü: Alfa (1) → Beta (2) → Alfa (1)")});
    // Beta counts Alfa at its stored 10: 10 + 3; Alfa is 2 × 13 + 3.
    EXPECT_DOUBLE_EQ(alfa->ingredients[0].fullUnitCost, 13);
    EXPECT_DOUBLE_EQ(alfa->full, 29);
}

TEST(CostReport, productsOnACycleAreNotJudgedStaleAndEachReportEntersItsOwnWay) {
    Cycle catalogue;
    recipes::CostReport report(catalogue.products, catalogue.lines);
    const recipes::StaleList stale = report.staleCosts();
    EXPECT_TRUE(stale.products.empty());
    EXPECT_EQ(stale.onCycles, 3);
    // The stale pass entered the cycle at Alfa; Beta's report enters at Beta.
    const std::optional<recipes::ProductCost> beta = report.product(2);
    EXPECT_EQ(beta->cycles, QStringList{QStringLiteral("Döngü: Beta (2) → Alfa (1) → Beta (2)")});
    EXPECT_DOUBLE_EQ(beta->ingredients[0].fullUnitCost, 2 * 4 + 3);
    EXPECT_DOUBLE_EQ(beta->full, 11 + 3);
}

TEST(CostReport, aMissingIngredientAndTheProductItselfAddNothing) {
    const std::vector<stock::StockDefinition> products = {
        productRecord(1, "Tost", 8), productRecord(2, "Peynir", 1.5), productRecord(3, "Su", 0.25),
        productRecord(4, "Ayran", 2)};
    // Su's recipe is only itself: it counts at its stored cost in Ayran.
    const std::vector<recipes::RecipeLine> lines = {recipeLine(1, 999, 2), recipeLine(1, 1, 1),
                                                    recipeLine(1, 2, 3), recipeLine(3, 3, 1),
                                                    recipeLine(4, 3, 8)};
    recipes::CostReport report(products, lines);
    const std::optional<recipes::ProductCost> tost = report.product(1);
    ASSERT_EQ(tost->ingredients.size(), 3u);
    EXPECT_FALSE(tost->ingredients[0].found);
    EXPECT_DOUBLE_EQ(tost->ingredients[0].full, 0);
    EXPECT_TRUE(tost->ingredients[1].own);
    EXPECT_DOUBLE_EQ(tost->ingredients[1].onePass, 0);
    EXPECT_DOUBLE_EQ(tost->ingredients[1].full, 0);
    EXPECT_DOUBLE_EQ(tost->onePass, 4.5);
    EXPECT_DOUBLE_EQ(tost->full, 4.5);
    EXPECT_TRUE(tost->cycles.isEmpty());
    const std::optional<recipes::ProductCost> su = report.product(3);
    EXPECT_TRUE(su->ownRecipeOnly);
    EXPECT_DOUBLE_EQ(su->full, 0.25);
    EXPECT_DOUBLE_EQ(report.product(4)->full, 2);
    // Tost is stale (8 against 4.5); Su and Ayran are not.
    const recipes::StaleList stale = report.staleCosts();
    ASSERT_EQ(stale.products.size(), 1u);
    EXPECT_EQ(stale.products[0].code, 1);
}

TEST(CostReport, aLongChainOfRecipesNeedsNoDeepStack) {
    constexpr int kLength = 100000;
    std::vector<stock::StockDefinition> products;
    std::vector<recipes::RecipeLine> lines;
    products.reserve(kLength);
    lines.reserve(kLength);
    for (int code = 1; code <= kLength; ++code) {
        products.push_back(productRecord(code, "x", code == kLength ? 1 : 0));
        if (code < kLength)
            lines.push_back(recipeLine(code, code + 1, 1));
    }
    recipes::CostReport report(products, lines);
    EXPECT_DOUBLE_EQ(report.product(1)->full, 1);
    EXPECT_EQ(report.staleCosts().products.size(), static_cast<std::size_t>(kLength - 1));
}

TEST(CostReportText, printsTheSummaryTheIngredientsAndTheStaleList) {
    ThreeLevels catalogue;
    recipes::CostReport report(catalogue.products, catalogue.lines);
    const QString text = recipes::costReportText(*report.product(1), report.staleCosts());
    EXPECT_EQ(text.toStdString(),
              std::string("Maliyet Raporu: 1 Pilav\n"
                          "Kayıtlı maliyet    : 13.000\n"
                          "Tek geçiş maliyeti : 11.000\n"
                          "Tam maliyet        : 13.000\n"
                          "\n"
                          "Kod  Adı  Miktar  Br. Kayıtlı  Tek Geçiş  Br. Tam     Tam\n"
                          "  2  Sos       2        5.000     10.000    6.000  12.000\n"
                          "  4  Tuz       1        1.000      1.000    1.000   1.000\n"
                          "\n"
                          "Maliyeti güncel olmayan ürünler (fark > 0.005): 2\n"
                          "Kod  Adı    Kayıtlı    Tam    Fark\n"
                          "  2  Sos      5.000  6.000   1.000\n"
                          "  6  Çorba    2.006  2.000  -0.006\n"));
}

TEST(CostReportText, anUnknownProductIsSaidInABox) {
    ThreeLevels catalogue;
    recipes::CostReport report(catalogue.products, catalogue.lines);
    test::ScriptedMessageBoxes boxes;
    EXPECT_EQ(recipes::reportedProduct(report, 999, boxes), std::nullopt);
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("999 kodlu ürün bulunamadı.")});
    EXPECT_EQ(boxes.captions(), QStringList{QStringLiteral("MALİYET RAPORU")});
    EXPECT_TRUE(recipes::reportedProduct(report, 1, boxes));
    EXPECT_EQ(boxes.shown().size(), 1u);
}
