#include "recipes/CostReportWindow.h"

#include "CatalogFixtures.h"
#include "ModalDriver.h"
#include "ScriptedMessageBoxes.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace parvela;
using test::productRecord;
using test::recipeLine;

namespace {

// Izgara Köfte Porsiyonu (1) is 2 × Köfte Harcı (2) + 1 × Ekmek (4) + a
// missing ingredient; Köfte Harcı is 0.25 × Kıyma (3).
struct Catalogue {
    std::vector<stock::StockDefinition> products = {
        productRecord(1, "Izgara Köfte Porsiyonu", 20), productRecord(2, "Köfte Harcı", 30),
        productRecord(3, "Kıyma", 160), productRecord(4, "Ekmek", 2.5)};
    std::vector<recipes::RecipeLine> lines = {recipeLine(1, 2, 2), recipeLine(1, 4, 1),
                                              recipeLine(1, 77, 1), recipeLine(2, 3, 0.25)};
};

QString shown(const QWidget& window, const char* id) {
    const auto* label = window.findChild<QLabel*>(QString::fromLatin1(id));
    return label ? label->text() : QStringLiteral("(none)");
}

// Every heading fits its column, and the window fits the smallest screen.
void expectReadable(const QDialog& window) {
    EXPECT_LE(window.width(), 1024);
    EXPECT_LE(window.height(), 740);
    for (const QTreeWidget* list : window.findChildren<QTreeWidget*>()) {
        const QFontMetrics metrics(list->header()->font());
        for (int column = 0; column < list->columnCount(); ++column)
            EXPECT_GE(list->columnWidth(column),
                      metrics.horizontalAdvance(list->headerItem()->text(column)))
                << list->objectName().toStdString() << " column " << column;
    }
}

} // namespace

TEST(CostReportWindow, showsTheCostsEachIngredientAndTheStaleProducts) {
    Catalogue catalogue;
    recipes::CostReport report(catalogue.products, catalogue.lines);
    // "Maliyetleri Güncelle" as the program answers it: every stale cost written.
    const auto fixer = [&catalogue]() -> std::optional<recipes::CostReportView> {
        catalogue.products[0].unitcost = 82.5;
        catalogue.products[1].unitcost = 40;
        recipes::CostReport after(catalogue.products, catalogue.lines);
        return recipes::CostReportView{*after.product(1), after.staleCosts()};
    };
    recipes::CostReportWindow window(*report.product(1), report.staleCosts(), nullptr, fixer);
    window.show();
    EXPECT_EQ(shown(window, "storedCost"), QStringLiteral("20.000"));
    EXPECT_EQ(shown(window, "onePassCost"), QStringLiteral("62.500"));
    EXPECT_EQ(shown(window, "fullCost"), QStringLiteral("82.500"));
    const auto* ingredients = window.findChild<QTreeWidget*>(QStringLiteral("ingredients"));
    ASSERT_NE(ingredients, nullptr);
    ASSERT_EQ(ingredients->topLevelItemCount(), 3);
    EXPECT_EQ(ingredients->topLevelItem(0)->text(1), QStringLiteral("Köfte Harcı"));
    EXPECT_EQ(ingredients->topLevelItem(0)->text(5), QStringLiteral("40.000"));
    EXPECT_EQ(ingredients->topLevelItem(0)->text(6), QStringLiteral("80.000"));
    EXPECT_EQ(ingredients->topLevelItem(2)->text(1), QStringLiteral("(bulunamadı)"));
    const auto* stale = window.findChild<QTreeWidget*>(QStringLiteral("staleCosts"));
    ASSERT_EQ(stale->topLevelItemCount(), 2);
    EXPECT_EQ(stale->topLevelItem(0)->text(1), QStringLiteral("Izgara Köfte Porsiyonu"));
    EXPECT_EQ(stale->topLevelItem(1)->text(3), QStringLiteral("40.000"));
    EXPECT_FALSE(window.findChild<QLabel*>(QStringLiteral("cycles"))->isVisibleTo(&window));
    expectReadable(window);
    EXPECT_TRUE(window.grab().save(QStringLiteral("cost-report.png")));

    auto* fix = window.findChild<QAbstractButton*>(QStringLiteral("fixStale"));
    ASSERT_NE(fix, nullptr);
    EXPECT_EQ(fix->text(), QStringLiteral("Maliyetleri Güncelle"));
    fix->click();
    EXPECT_EQ(shown(window, "storedCost"), QStringLiteral("82.500"));
    EXPECT_EQ(stale->topLevelItemCount(), 0);
    EXPECT_EQ(ingredients->topLevelItemCount(), 3);
    EXPECT_FALSE(fix->isEnabled()) << "nothing left to mend";
    expectReadable(window);
}

TEST(CostReportWindow, opensModallyAndClosesWithKapat) {
    Catalogue catalogue;
    recipes::CostReport report(catalogue.products, catalogue.lines);
    test::ScriptedMessageBoxes boxes;
    QString full;
    test::ModalDriver driver([&](QDialog& dialog) {
        full = shown(dialog, "fullCost");
        dialog.findChild<QAbstractButton*>(QStringLiteral("close"))->click();
    });
    recipes::openCostReport(report, catalogue.products[1], boxes, nullptr);
    EXPECT_TRUE(driver.seen);
    EXPECT_EQ(full, QStringLiteral("40.000"));
    EXPECT_TRUE(boxes.shown().empty());
}
