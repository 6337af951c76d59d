#include "RecipeFixture.h"
#include "recipes/LineWork.h"
#include "recipes/LinkedProducts.h"
#include "recipes/OwnRecipes.h"
#include "recipes/QuantityChange.h"
#include "recipes/SubstituteWork.h"

#include <functional>

using namespace parvela;
using recipes::LineKind;
using recipes::LineWork;
using test::TestDatabase;
using Texts = std::vector<std::string>;

namespace {

// Menu 600 holds 601 Çay × 2 (exchangeable) and 102 × 0.5.
class MenuWorkTest : public test::RecipeTest {
protected:
    void SetUp() override {
        RecipeTest::SetUp();
        TestDatabase::exec("INSERT INTO stocks.stckbundle(urun,ingredient,qua,degist) "
                           "VALUES(600,601,2,1),(600,102,0.5,0);");
        reload();
    }
    LineWork work(LineKind kind, stock::StockCode code) { return {m_context, kind, product(code)}; }
};

} // namespace

TEST_F(MenuWorkTest, aMenuCostsItsLinesAndIsRewrittenInOneCall) {
    LineWork menu = work(LineKind::Bundle, 600);
    EXPECT_EQ(menu.costText(), QStringLiteral("MENU Maliyeti : 8.00"));
    // Quantities with the decimals of the unit: ad 1, kg (4) three.
    EXPECT_EQ(menu.quantityText(menu.lines()[0]), QStringLiteral("2.0"));
    EXPECT_EQ(menu.quantityText(menu.lines()[1]), QStringLiteral("0.500"));
    ASSERT_TRUE(menu.add(602, QStringLiteral("1"), nullptr));
    ASSERT_TRUE(menu.add(601, QStringLiteral("1"), nullptr));
    EXPECT_EQ(menu.costText(), QStringLiteral("Menü Maliyeti : 16.00"));
    menu.setExchangeable(2, true);
    menu.save();
    EXPECT_EQ(issued(),
              (Texts{"SELECT stcode FROM stocks.stckdef WHERE stcode=600 FOR UPDATE WAIT 20;",
                     "CALL DELETE_BUNDLE_MENU(600);",
                     "CALL INTO_BUNDLE_MENU(600,601,3.000,1); \n"
                     "CALL INTO_BUNDLE_MENU(600,102,0.500,0); \n"
                     "CALL INTO_BUNDLE_MENU(600,602,1.000,1); \n",
                     "UPDATE stocks.stckdef SET unitcost=16.000 WHERE stcode=600;",
                     "SELECT id,urun,ingredient,qua,degist FROM stckbundle;"}));
    EXPECT_EQ(rows("SELECT ingredient,qua,degist FROM stocks.stckbundle WHERE urun=600 "
                   "ORDER BY id;"),
              "601 3.000000 1 | 102 0.500000 0 | 602 1.000000 1 | ");
    EXPECT_EQ(m_catalog.current()->recipes.bundleLines.size(), 3u);
    EXPECT_DOUBLE_EQ(product(600).unitcost, 16);
    EXPECT_TRUE(product(600).bundle);
}

TEST_F(MenuWorkTest, anEmptyMenuSavedLeavesNoLinesAndSendsNoInsert) {
    LineWork menu = work(LineKind::Bundle, 600);
    menu.remove(601);
    menu.remove(102);
    menu.save();
    EXPECT_EQ(issued(),
              (Texts{"SELECT stcode FROM stocks.stckdef WHERE stcode=600 FOR UPDATE WAIT 20;",
                     "CALL DELETE_BUNDLE_MENU(600);",
                     "UPDATE stocks.stckdef SET unitcost=0.000 WHERE stcode=600;",
                     "SELECT id,urun,ingredient,qua,degist FROM stckbundle;"}));
    EXPECT_EQ(TestDatabase::count("stocks.stckbundle"), 0);
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(MenuWorkTest, onlyAnExchangeableLineHasSubstitutesAndTheWholeMenuGoesOnYes) {
    LineWork menu = work(LineKind::Bundle, 600);
    EXPECT_TRUE(menu.mayExchange(0));
    EXPECT_FALSE(menu.mayExchange(1));
    EXPECT_FALSE(menu.mayExchange(7));
    menu.setExchangeable(0, false);
    EXPECT_FALSE(menu.mayExchange(0));

    m_boxes.queueAnswer(platform::BoxAnswer::No);
    EXPECT_FALSE(menu.deleteAll(nullptr));
    EXPECT_EQ(TestDatabase::count("stocks.stckbundle"), 2);
    m_boxes.queueAnswer(platform::BoxAnswer::Yes);
    EXPECT_TRUE(menu.deleteAll(nullptr));
    EXPECT_EQ(m_boxes.texts().back(),
              QStringLiteral("Tüm menü ürünlerini silinecek, emin misiniz?\nNe yaptıgınızdan "
                             "emin değilseniz HAYIR veya İPTAL deyip işlemden çıkınız."));
    EXPECT_EQ(m_boxes.captions().back(), QStringLiteral("BUNDLE/MENU SİLİNECEK...!!!"));
    EXPECT_EQ(issued(), (Texts{"CALL DELETE_BUNDLE_MENU(600);",
                               "SELECT id,urun,ingredient,qua,degist FROM stckbundle;"}));
    EXPECT_EQ(TestDatabase::count("stocks.stckbundle"), 0);
    EXPECT_TRUE(m_catalog.current()->recipes.bundleLines.empty());
}

TEST_F(MenuWorkTest, substitutesAreKeptPerMenuAndLineWithTheirPriceDifference) {
    TestDatabase::exec("INSERT INTO stocks.subst_bundle(menu_stcode,urun_code,sub_urun_code,"
                       "prc_diff) VALUES(700,601,103,9.00),(600,601,101,1.00);");
    recipes::SubstituteWork substitutes(m_context, product(600), 601);
    EXPECT_EQ(issued(), (Texts{"SELECT id,menu_stcode,urun_code,sub_urun_code,prc_diff FROM "
                               "subst_bundle;"}));
    ASSERT_EQ(substitutes.substitutes().size(), 1u);
    EXPECT_EQ(substitutes.substitutes()[0].substituteName, QStringLiteral("Domates"));
    EXPECT_EQ(substitutes.lineProductText(), QStringLiteral("601 - Çay"));
    m_journal.clear();

    EXPECT_FALSE(substitutes.add(602, QStringLiteral("iki"), nullptr));
    EXPECT_EQ(m_boxes.captions(), QStringList{QStringLiteral("SAYI HATALI")});
    ASSERT_TRUE(substitutes.add(602, QStringLiteral("2,5"), nullptr));
    ASSERT_TRUE(substitutes.add(102, QString(), nullptr));
    substitutes.remove(0);
    substitutes.save();
    EXPECT_EQ(issued(),
              (Texts{"SELECT stcode FROM stocks.stckdef WHERE stcode=600 FOR UPDATE WAIT 20;",
                     "DELETE FROM subst_bundle WHERE menu_stcode=600 AND urun_code=601",
                     "CALL INTO_BUNDLE_SUBSTITUTE_LIST(600,601,602,2.50);"
                     "CALL INTO_BUNDLE_SUBSTITUTE_LIST(600,601,102,0.00);",
                     "SELECT id,menu_stcode,urun_code,sub_urun_code,prc_diff FROM subst_bundle;"}));
    // Menu 700's list of the same line product is untouched.
    EXPECT_EQ(rows("SELECT menu_stcode,urun_code,sub_urun_code,prc_diff FROM "
                   "stocks.subst_bundle ORDER BY menu_stcode,id;"),
              "600 601 602 2.50 | 600 601 102 0.00 | 700 601 103 9.00 | ");
    EXPECT_EQ(m_catalog.current()->recipes.bundleSubstitutes.size(), 3u);

    // A later save of the menu leaves them alone.
    work(LineKind::Bundle, 600).save();
    EXPECT_EQ(TestDatabase::count("stocks.subst_bundle"), 3);
}

TEST_F(MenuWorkTest, optionsAreRewrittenAndNeverTouchTheCost) {
    TestDatabase::exec("INSERT INTO stocks.stckopsiyon(urun,ingredient,qua,degist) "
                       "VALUES(500,103,1,0);");
    reload();
    LineWork options = work(LineKind::Options, 500);
    EXPECT_EQ(options.costText(), QStringLiteral("OPSIYON Maliyeti : 5.00"));
    ASSERT_EQ(options.lines().size(), 1u);
    EXPECT_EQ(options.lines()[0].ingredientName, QStringLiteral("Yumurta"));
    ASSERT_TRUE(options.add(601, QStringLiteral("2"), nullptr));
    ASSERT_TRUE(options.add(103, QStringLiteral("1"), nullptr));
    EXPECT_EQ(options.costText(), QStringLiteral("OPSIYON Maliyeti : 5.00"));
    // Options have no whole delete.
    EXPECT_FALSE(options.deleteAll(nullptr));
    EXPECT_TRUE(m_boxes.shown().empty());
    options.save();
    EXPECT_EQ(issued(),
              (Texts{"SELECT stcode FROM stocks.stckdef WHERE stcode=500 FOR UPDATE WAIT 20;",
                     "DELETE FROM stckopsiyon WHERE urun=500 ;",
                     "CALL INTO_BAGLI_OPTIONS(500,103,2.000,0);"
                     "CALL INTO_BAGLI_OPTIONS(500,601,2.000,0);",
                     "SELECT id,urun,ingredient,qua,degist FROM stckopsiyon;"}));
    EXPECT_EQ(rows("SELECT ingredient,qua FROM stocks.stckopsiyon ORDER BY id;"),
              "103 2.000000 | 601 2.000000 | ");
    EXPECT_EQ(TestDatabase::scalar("SELECT unitcost FROM stocks.stckdef WHERE stcode=500;"),
              "99.0000");
    EXPECT_DOUBLE_EQ(product(500).unitcost, 5);
    EXPECT_EQ(m_catalog.current()->recipes.optionLines.size(), 2u);
}

TEST_F(MenuWorkTest, aQuantityLeftAsShownKeepsItsValueAndTheUnitCostGoesToTheIngredient) {
    test::addRecipeLine(500, 103, 0.4);
    reload();
    recipes::RecipeLine line;
    for (const recipes::RecipeLine& read : m_catalog.current()->recipes.recipeLines)
        if (read.ingredient == 103)
            line = read;
    // Yumurta is counted in "ad" (setting 1): no decimals.
    recipes::QuantityChange change(m_context, line);
    EXPECT_EQ(change.shown().ingredient, QStringLiteral("103 - Yumurta"));
    EXPECT_EQ(change.shown().quantity, QStringLiteral("0"));
    EXPECT_EQ(change.shown().unitcost, QStringLiteral("2.000"));
    EXPECT_FALSE(change.apply({{}, QStringLiteral("bir"), QStringLiteral("2.000")}, nullptr));
    EXPECT_TRUE(issued().empty());
    ASSERT_TRUE(change.apply({{}, QStringLiteral("0"), QStringLiteral("2,75")}, nullptr));
    const std::string id = std::to_string(line.Id);
    const Texts texts = issued();
    ASSERT_GE(texts.size(), 4u);
    EXPECT_EQ(texts[0], "SELECT stcode FROM stocks.stckdef WHERE stcode=500 FOR UPDATE WAIT 20;");
    EXPECT_EQ(texts[1], "UPDATE stocks.receipts SET qua=0.400000 WHERE Id=" + id + ";");
    EXPECT_EQ(texts[2], "UPDATE stocks.stckdef SET unitcost=2.750 WHERE stcode=103;");
    EXPECT_EQ(texts[3], "SELECT id,urun,ingredient,qua FROM receipts;");
    EXPECT_EQ(m_reread, 1);
    EXPECT_DOUBLE_EQ(product(103).unitcost, 2.75);

    m_journal.clear();
    recipes::QuantityChange kilos(m_context, m_catalog.current()->recipes.recipeLines.front());
    EXPECT_EQ(kilos.shown().quantity, QStringLiteral("0.500"));
    ASSERT_TRUE(kilos.apply({{}, QStringLiteral("1,25"), kilos.shown().unitcost}, nullptr));
    EXPECT_EQ(TestDatabase::scalar("SELECT qua FROM stocks.receipts WHERE ingredient=101;"),
              "1.250000");
}

TEST_F(MenuWorkTest, linkedProductsListEveryProductThatUsesTheIngredient) {
    test::addRecipeLine(600, 101, 2);
    test::addRecipeLine(888, 101, 1);
    const auto linked = recipes::linkedProducts(m_context, 101);
    EXPECT_EQ(issued(), (Texts{"SELECT urun,qua FROM receipts WHERE receipts.ingredient=101;"}));
    ASSERT_TRUE(linked.has_value());
    ASSERT_EQ(linked->size(), 3u);
    const recipes::LinkedProduct& menemen = (*linked)[0];
    EXPECT_EQ(menemen.code, 500);
    EXPECT_EQ(menemen.name, QStringLiteral("Menemen"));
    EXPECT_DOUBLE_EQ(menemen.lineQuantity, 0.5);
    EXPECT_EQ(menemen.ingredient, QStringLiteral("Domates"));
    EXPECT_EQ(menemen.unit, QStringLiteral("kg"));
    EXPECT_DOUBLE_EQ(menemen.ingredientCost, 10);
    // A product no longer in the list shows its code only.
    EXPECT_EQ((*linked)[2].code, 888);
    EXPECT_TRUE((*linked)[2].name.isEmpty());
}

// Each line save is all or nothing: a failure injected at each of its
// statements leaves every line and cost as it was, with one box under the
// failing statement's tag.
TEST_F(MenuWorkTest, aFailureAtAnyStatementOfALineSaveLeavesEveryRowAsItWas) {
    TestDatabase::exec("INSERT INTO stocks.stckopsiyon(urun,ingredient,qua,degist) "
                       "VALUES(500,103,1,0);"
                       "INSERT INTO stocks.subst_bundle(menu_stcode,urun_code,sub_urun_code,"
                       "prc_diff) VALUES(600,601,102,1.50);");
    reload();
    const auto saveRecipe = [this] {
        LineWork recipe = work(LineKind::Recipe, 500);
        ASSERT_TRUE(recipe.add(102, QStringLiteral("2"), nullptr));
        recipe.addItself();
        EXPECT_FALSE(recipe.save());
    };
    const auto saveMenu = [this] {
        LineWork menu = work(LineKind::Bundle, 600);
        ASSERT_TRUE(menu.add(602, QStringLiteral("1"), nullptr));
        EXPECT_FALSE(menu.save());
    };
    const auto saveOptions = [this] {
        LineWork options = work(LineKind::Options, 500);
        ASSERT_TRUE(options.add(601, QStringLiteral("1"), nullptr));
        EXPECT_FALSE(options.save());
    };
    const auto saveSubstitutes = [this] {
        recipes::SubstituteWork substitutes(m_context, product(600), 601);
        ASSERT_TRUE(substitutes.add(103, QStringLiteral("2"), nullptr));
        substitutes.save();
    };
    const auto changeQuantity = [this] {
        recipes::QuantityChange change(m_context, lists().recipeLines.front());
        change.apply({{}, QStringLiteral("2"), QStringLiteral("12")}, nullptr);
    };
    const auto ownRecipes = [this] {
        m_boxes.queueAnswer(platform::BoxAnswer::Yes);
        EXPECT_FALSE(recipes::makeOwnRecipes(m_context, {500, 601, 602}));
    };
    const QString own = QStringLiteral("INSERT_RECETELER_KENDI");
    const QString ownFailed = QStringLiteral("INSERT_RECETELER_HEPSI");
    struct Case {
        const char* command;
        std::function<void()> run;
        const char* trigger;
        const char* when;
        QStringList captions;
    };
    const std::vector<Case> cases = {
        {"recipe",
         saveRecipe,
         "BEFORE DELETE ON stocks.receipts",
         "OLD.urun=500",
         {QStringLiteral("DELETE_RECEIPT")}},
        {"recipe",
         saveRecipe,
         "BEFORE INSERT ON stocks.receipts",
         "NEW.ingredient=500",
         {QStringLiteral("INTO_RECEIPT")}},
        {"recipe",
         saveRecipe,
         "BEFORE UPDATE ON stocks.stckdef",
         "NEW.stcode=500",
         {QStringLiteral("UPDATE_STOCK_COST")}},
        {"menu",
         saveMenu,
         "BEFORE DELETE ON stocks.stckbundle",
         "OLD.urun=600",
         {QStringLiteral("DELETE_BUNDLE_MENU")}},
        {"menu",
         saveMenu,
         "BEFORE INSERT ON stocks.stckbundle",
         "NEW.ingredient=602",
         {QStringLiteral("INSERT_BUNDLE_MENU")}},
        {"menu",
         saveMenu,
         "BEFORE UPDATE ON stocks.stckdef",
         "NEW.stcode=600",
         {QStringLiteral("UPDATE_STOCK_COST")}},
        {"options",
         saveOptions,
         "BEFORE DELETE ON stocks.stckopsiyon",
         "OLD.urun=500",
         {QStringLiteral("DELETE_BAGLI_OPSIYON")}},
        {"options",
         saveOptions,
         "BEFORE INSERT ON stocks.stckopsiyon",
         "NEW.ingredient=601",
         {QStringLiteral("INSERT_BAGLI_OPTIONS")}},
        {"substitutes",
         saveSubstitutes,
         "BEFORE DELETE ON stocks.subst_bundle",
         "OLD.menu_stcode=600",
         {QStringLiteral("DELETE_BUNDLE_SUBSTITUTION")}},
        {"substitutes",
         saveSubstitutes,
         "BEFORE INSERT ON stocks.subst_bundle",
         "NEW.sub_urun_code=103",
         {QStringLiteral("INSERT_BUNDLE_SUBSTITUTION")}},
        {"quantity",
         changeQuantity,
         "BEFORE UPDATE ON stocks.receipts",
         "1",
         {QStringLiteral("UPDATE_RECETE_URUN_MIKTARI")}},
        {"quantity",
         changeQuantity,
         "BEFORE UPDATE ON stocks.stckdef",
         "NEW.stcode=101",
         {QStringLiteral("UPDATE_STOCK_COST")}},
        {"own recipes",
         ownRecipes,
         "BEFORE DELETE ON stocks.receipts",
         "OLD.urun=500",
         {own, ownFailed, own}},
        {"own recipes",
         ownRecipes,
         "BEFORE INSERT ON stocks.receipts",
         "NEW.urun=602",
         {own, ownFailed, own}},
    };
    const std::string everyRow =
        "SELECT 'r',urun,ingredient,qua,0 FROM stocks.receipts UNION ALL "
        "SELECT 'b',urun,ingredient,qua,degist FROM stocks.stckbundle UNION ALL "
        "SELECT 'o',urun,ingredient,qua,degist FROM stocks.stckopsiyon UNION ALL "
        "SELECT 's',menu_stcode,urun_code,sub_urun_code,prc_diff FROM stocks.subst_bundle "
        "UNION ALL SELECT 'p',stcode,unitcost,0,0 FROM stocks.stckdef ORDER BY 1,2,3,4;";
    const std::string before = rows(everyRow);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.command) + " " + c.trigger + " " + c.when);
        m_boxes.clear();
        TestDatabase::exec(std::string("CREATE TRIGGER stocks.refuse_one ") + c.trigger +
                           " FOR EACH ROW BEGIN IF " + c.when +
                           " THEN SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT='refused'; END IF; "
                           "END");
        c.run();
        TestDatabase::exec("DROP TRIGGER stocks.refuse_one;");
        EXPECT_EQ(rows(everyRow), before);
        EXPECT_EQ(m_boxes.captions(), c.captions);
    }
}
