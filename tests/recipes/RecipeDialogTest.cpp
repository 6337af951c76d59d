#include "../stock/BrowserFixture.h"
#include "ModalDriver.h"
#include "RecipeFixture.h"
#include "app/RecipeFeatures.h"
#include "platform/NotBuiltYet.h"
#include "recipes/RecipeStatements.h"
#include "stock/browser/StockBrowserModel.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QTimer>

using namespace parvela;
using test::TestDatabase;

namespace {

class RecipeDialogTest : public test::RecipeTest {
protected:
    QString labelOf(QWidget& dialog, const char* id) {
        const auto* label = dialog.findChild<QLabel*>(QString::fromLatin1(id));
        return label ? label->text() : QString();
    }
    bool shows(QWidget& dialog, const char* id) {
        const auto* widget = dialog.findChild<QWidget*>(QString::fromLatin1(id));
        return widget && !widget->isHidden();
    }
    // Clicks the button; true when it opened a modal dialog (which is closed).
    bool opensDialog(QWidget& dialog, const char* id) {
        bool opened = false;
        QTimer::singleShot(0, [&] {
            QWidget* active = QApplication::activeModalWidget();
            if (active && active != &dialog) {
                opened = true;
                active->close();
            }
        });
        test::click(dialog, id);
        QApplication::processEvents();
        return opened;
    }

    platform::ProgramMessenger m_messenger{100};
    platform::BackgroundJobs m_jobs{m_boxes};
    stock::StockContext m_stock = m_catalog.stockContext(m_boxes, m_messenger, m_jobs);
    std::vector<std::pair<stock::StockCode, double>> m_reports;
    app::RecipeFeatures m_features{m_stock, [this](const stock::StockDefinition& p, QWidget*) {
                                       m_reports.emplace_back(p.stcode, p.unitcost);
                                   }};
    // The stock window's rules with these recipe windows and the rest not built.
    stock::StockBrowserState m_browser;
    test::OpenedWindows m_windows;
    stock::NotBuiltStockFeatures m_notBuilt{m_boxes};
    stock::StockBrowserModel m_model{m_stock,
                                     m_browser,
                                     m_windows,
                                     {m_features, m_notBuilt, m_notBuilt, m_notBuilt, m_notBuilt},
                                     {}};
};

} // namespace

TEST_F(RecipeDialogTest, aRecipeIsComposedByClicksAndSaved) {
    const test::ModalDriver driver([&](QDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), QStringLiteral("134"));
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Ürün Reçetelendirme"));
        EXPECT_TRUE(shows(dialog, "1101") && shows(dialog, "MaliyetRaporu"));
        EXPECT_FALSE(shows(dialog, "1103") || shows(dialog, "1104"));
        EXPECT_EQ(labelOf(dialog, "1052"), QStringLiteral("Reçete Maliyeti : 5.00"));
        test::pick(dialog, "1042", 102);
        EXPECT_EQ(labelOf(dialog, "1059"), QStringLiteral("Soğan"));
        test::type(dialog, "1044", QStringLiteral("2"));
        test::click(dialog, "1048");
        test::pick(dialog, "1042", 102);
        test::type(dialog, "1044", QStringLiteral("3"));
        test::click(dialog, "1048");
        EXPECT_EQ(test::rowTexts(dialog, "1047"),
                  (QStringList{QStringLiteral("101|Domates|kg|0.5000|10.000"),
                               QStringLiteral("102|Soğan|kg|5.0000|4.000")}));
        EXPECT_EQ(labelOf(dialog, "1052"), QStringLiteral("Reçete Maliyeti : 25.00"));
        EXPECT_TRUE(dialog.findChild<QLineEdit*>(QStringLiteral("1044"))->text().isEmpty());
        EXPECT_TRUE(labelOf(dialog, "1059").isEmpty());
        test::click(dialog, "129");
        test::click(dialog, "MaliyetRaporu");
        test::click(dialog, "2");
    });
    m_features.openRecipe(product(500), nullptr);
    EXPECT_TRUE(driver.seen);
    EXPECT_EQ(rows("SELECT ingredient,qua FROM stocks.receipts WHERE urun=500 ORDER BY Id;"),
              "101 0.500000 | 102 5.000000 | ");
    EXPECT_EQ(TestDatabase::scalar("SELECT unitcost FROM stocks.stckdef WHERE stcode=500;"),
              "25.0000");
    EXPECT_DOUBLE_EQ(product(500).unitcost, 25);
    ASSERT_EQ(m_reports.size(), 1u);
    EXPECT_EQ(m_reports[0], (std::pair<stock::StockCode, double>{500, 25}));
}

TEST_F(RecipeDialogTest, withoutAReportOrAProductTheUserIsTold) {
    app::RecipeFeatures plain(m_stock);
    plain.openRecipe(stock::StockDefinition{}, nullptr);
    EXPECT_EQ(m_boxes.texts(), QStringList{QStringLiteral(
                                   "Secilen stok kodu sifir veya herhangi bir stok secilmedi.")});
    EXPECT_EQ(m_boxes.captions(), QStringList{QStringLiteral("STOK SECILMEDI")});
    m_boxes.clear();
    const test::ModalDriver driver([&](QDialog& dialog) {
        test::click(dialog, "MaliyetRaporu");
        test::click(dialog, "2");
    });
    plain.openRecipe(product(500), nullptr);
    EXPECT_EQ(m_boxes.texts(), QStringList{platform::kNotBuiltYetText});
    EXPECT_EQ(m_boxes.captions(), QStringList{QStringLiteral("Maliyet Raporu")});
}

TEST_F(RecipeDialogTest, aMenuLineIsExchangedOnlyWhenItMayBe) {
    TestDatabase::exec("INSERT INTO stocks.stckbundle(urun,ingredient,qua,degist) "
                       "VALUES(600,601,1,0);");
    reload();
    const test::ModalDriver driver([&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Bundle/MENU Düzenlemesi"));
        EXPECT_EQ(labelOf(dialog, "1052"), QStringLiteral("MENU Maliyeti : 3.00"));
        EXPECT_FALSE(shows(dialog, "1101"));
        test::pick(dialog, "1047", 601);
        EXPECT_FALSE(opensDialog(dialog, "1104"));
        auto* exchangeable = dialog.findChild<QCheckBox*>(QStringLiteral("1103"));
        exchangeable->click();
        EXPECT_EQ(test::rowTexts(dialog, "1047"), QStringList{QStringLiteral("601|Çay|ad|1.0|1")});
        const test::ModalDriver substitutes([&](QDialog& inner) {
            EXPECT_EQ(inner.windowTitle(), QStringLiteral("Bundle Değişim Ürün Listesi"));
            EXPECT_EQ(labelOf(inner, "1105"), QStringLiteral("601 - Çay"));
            test::pick(inner, "1042", 602);
            test::type(inner, "1106", QStringLiteral("2,5"));
            test::click(inner, "1048");
            EXPECT_EQ(test::rowTexts(inner, "1047"),
                      QStringList{QStringLiteral("602|Kahve|ad|2.50")});
            test::click(inner, "129");
        });
        test::click(dialog, "1104");
        EXPECT_TRUE(substitutes.seen);
        test::click(dialog, "129");
        test::click(dialog, "2");
    });
    m_features.openBundle(product(600), nullptr);
    EXPECT_TRUE(driver.seen);
    EXPECT_EQ(rows("SELECT menu_stcode,urun_code,sub_urun_code,prc_diff FROM stocks.subst_bundle;"),
              "600 601 602 2.50 | ");
    EXPECT_EQ(rows("SELECT ingredient,degist FROM stocks.stckbundle;"), "601 1 | ");
}

TEST_F(RecipeDialogTest, theOptionsKeepTheirWholeDeleteWithoutAnAction) {
    const test::ModalDriver driver([&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral(" BAGLI ÜRÜNLER - OPSİYONLAR"));
        EXPECT_EQ(labelOf(dialog, "1052"), QStringLiteral("OPSIYON Maliyeti : 5.00"));
        EXPECT_FALSE(shows(dialog, "MaliyetRaporu") || shows(dialog, "1104"));
        test::click(dialog, "1054");
        test::click(dialog, "2");
    });
    m_features.openOptions(product(500), nullptr);
    EXPECT_TRUE(driver.seen);
    EXPECT_TRUE(m_boxes.shown().empty());
    EXPECT_TRUE(issued().empty());
}

TEST_F(RecipeDialogTest, theStockWindowMakesItsListedProductsTheirOwnRecipe) {
    stock::showGroup(m_browser, m_catalog.current(), 1, 11, 0);
    m_boxes.queueAnswer(platform::BoxAnswer::Yes);
    m_model.functionKey(Qt::Key_F3, {true, true, false});
    EXPECT_EQ(m_boxes.texts(),
              (QStringList{recipes::ownRecipesQuestion(3),
                           QStringLiteral("3 adet ürün reçetelendirildi.\n 0 tane FAILED.. ")}));
    EXPECT_EQ(rows("SELECT urun,ingredient,qua FROM stocks.receipts ORDER BY urun;"),
              "101 101 1.000000 | 102 102 1.000000 | 103 103 1.000000 | 500 101 0.500000 | ");
    EXPECT_TRUE(product(102).hasRecipe);
}

TEST_F(RecipeDialogTest, theStockWindowsCurrentProductFollowsASavedRecipe) {
    m_browser.current = product(103);
    ASSERT_FALSE(m_browser.current.hasRecipe);
    const test::ModalDriver driver([&](QDialog& dialog) {
        test::pick(dialog, "1042", 101);
        test::type(dialog, "1044", QStringLiteral("0,1"));
        test::click(dialog, "1048");
        test::click(dialog, "129");
        test::click(dialog, "2");
    });
    m_features.openRecipe(m_browser.current, nullptr);
    m_model.listChanged();
    EXPECT_TRUE(m_browser.current.hasRecipe);
    EXPECT_DOUBLE_EQ(m_browser.current.unitcost, 1);
}

TEST_F(RecipeDialogTest, theLinkedProductsOfAnIngredientAreListed) {
    recipes::RecipeLine line;
    line.ingredient = 101;
    const test::ModalDriver driver([&](QDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), QStringLiteral("141"));
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("BAGLI_URUNLER"));
        EXPECT_EQ(test::rowTexts(dialog, "1072"),
                  QStringList{QStringLiteral("500|Menemen|5.00|0.00|Domates|0.500|kg|10.000")});
        test::click(dialog, "2");
    });
    m_features.showLinkedProducts(line, nullptr);
    EXPECT_TRUE(driver.seen);
}

TEST_F(RecipeDialogTest, theDialogsFitAScreenOf1024By768) {
    TestDatabase::exec("INSERT INTO stocks.stckbundle(urun,ingredient,qua,degist) "
                       "VALUES(600,601,1,1),(600,102,0.25,0);");
    reload();
    const auto fits = [](QDialog& dialog, const QString& file) {
        dialog.grab().save(file);
        EXPECT_LE(dialog.frameGeometry().width(), 1024) << file.toStdString();
        EXPECT_LE(dialog.frameGeometry().height(), 768) << file.toStdString();
        test::click(dialog, "2");
    };
    const test::ModalDriver menu([&](QDialog& dialog) {
        const test::ModalDriver substitutes(
            [&](QDialog& inner) { fits(inner, QStringLiteral("dialog-134-substitutes.png")); });
        test::pick(dialog, "1047", 601);
        test::click(dialog, "1104");
        fits(dialog, QStringLiteral("dialog-134-bundle.png"));
    });
    m_features.openBundle(product(600), nullptr);
    const test::ModalDriver recipe(
        [&](QDialog& dialog) { fits(dialog, QStringLiteral("dialog-134-recipe.png")); });
    m_features.openRecipe(product(500), nullptr);
    const test::ModalDriver linked(
        [&](QDialog& dialog) { fits(dialog, QStringLiteral("dialog-141.png")); });
    recipes::RecipeLine line;
    line.ingredient = 101;
    m_features.showLinkedProducts(line, nullptr);
    line = m_catalog.current()->recipes.recipeLines.front();
    const test::ModalDriver quantity(
        [&](QDialog& dialog) { fits(dialog, QStringLiteral("dialog-140.png")); });
    m_features.changeQuantity(line, nullptr);
}

// Another window's save, or a read of the whole list, while a line dialog is
// open: products come and go before the one picked and it is renamed. What
// the user picked is what is added, with its cost as the server now has it.
TEST_F(RecipeDialogTest, theProductPickedIsAddedWhateverIsReadWhileTheDialogIsOpen) {
    struct Case {
        const char* name;
        void (app::RecipeFeatures::*open)(const stock::StockDefinition&, QWidget*);
        stock::StockCode product;
        const char* table;
    };
    const Case cases[] = {
        {"recipe", &app::RecipeFeatures::openRecipe, 500, "receipts"},
        {"menu", &app::RecipeFeatures::openBundle, 600, "stckbundle"},
        {"options", &app::RecipeFeatures::openOptions, 500, "stckopsiyon"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestDatabase::exec(
            "DELETE FROM stocks.stckdef WHERE stcode IN (104,105);"
            "UPDATE stocks.stckdef SET stname='Soğan', unitcost=4 WHERE stcode=102;");
        reload();
        QStringList added;
        const test::ModalDriver driver([&](QDialog& dialog) {
            test::pick(dialog, "1042", 102);
            // Two products come before it by name, one goes, and it is renamed.
            test::addProduct({104, "Acı Biber", 1, 11, 0, false, 1});
            test::addProduct({105, "Biber", 1, 11, 0, false, 1});
            TestDatabase::exec("DELETE FROM stocks.stckdef WHERE stcode=601;"
                               "UPDATE stocks.stckdef SET stname='Kuru Soğan', unitcost=6 "
                               "WHERE stcode=102;");
            m_catalog.readProducts();
            test::type(dialog, "1044", QStringLiteral("2"));
            test::click(dialog, "1048");
            added = test::rowTexts(dialog, "1047");
            test::click(dialog, "129");
            test::click(dialog, "2");
        });
        (m_features.*c.open)(product(c.product), nullptr);
        ASSERT_TRUE(driver.seen);
        ASSERT_FALSE(added.isEmpty());
        EXPECT_TRUE(added.back().startsWith(QStringLiteral("102|Kuru Soğan|")))
            << added.back().toStdString();
        EXPECT_EQ(rows(std::string("SELECT ingredient FROM stocks.") + c.table + " WHERE urun=" +
                       std::to_string(c.product) + " ORDER BY ingredient DESC LIMIT 1;"),
                  "102 | ");
        TestDatabase::exec("INSERT INTO stocks.stckdef(stcode,stname,gra,grb,unitcost,unit) "
                           "VALUES(601,'Çay',2,21,3,'ad');");
    }
    // The recipe costs its new ingredient as the server now holds it.
    EXPECT_EQ(TestDatabase::scalar("SELECT unitcost FROM stocks.stckdef WHERE stcode=500;"),
              "17.0000");
}

TEST_F(RecipeDialogTest, theSubstitutePickedIsAddedWhateverIsReadMeanwhile) {
    TestDatabase::exec("INSERT INTO stocks.stckbundle(urun,ingredient,qua,degist) "
                       "VALUES(600,601,1,1);");
    reload();
    QStringList added;
    const test::ModalDriver driver([&](QDialog& dialog) {
        const test::ModalDriver substitutes([&](QDialog& inner) {
            test::pick(inner, "1042", 602);
            test::addProduct({104, "Acı Biber", 1, 11, 0, false, 1});
            TestDatabase::exec("DELETE FROM stocks.stckdef WHERE stcode=101;"
                               "UPDATE stocks.stckdef SET stname='Türk Kahvesi' WHERE stcode=602;");
            m_catalog.readProducts();
            test::type(inner, "1106", QStringLiteral("2,5"));
            test::click(inner, "1048");
            added = test::rowTexts(inner, "1047");
            test::click(inner, "129");
        });
        test::pick(dialog, "1047", 601);
        test::click(dialog, "1104");
        test::click(dialog, "2");
    });
    m_features.openBundle(product(600), nullptr);
    EXPECT_EQ(added, QStringList{QStringLiteral("602|Türk Kahvesi|ad|2.50")});
    EXPECT_EQ(rows("SELECT sub_urun_code FROM stocks.subst_bundle;"), "602 | ");
}
