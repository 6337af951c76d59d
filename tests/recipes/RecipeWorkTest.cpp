#include "RecipeFixture.h"
#include "recipes/LineWork.h"
#include "recipes/OwnRecipes.h"

using namespace parvela;
using recipes::LineKind;
using recipes::LineWork;
using test::TestDatabase;
using Texts = std::vector<std::string>;

namespace {

class RecipeWorkTest : public test::RecipeTest {
protected:
    LineWork recipeOf(stock::StockCode code) {
        return {m_context, LineKind::Recipe, product(code)};
    }
};

double quantityOf(const LineWork& work, stock::StockCode ingredient) {
    for (const recipes::RecipeLine& line : work.lines())
        if (line.ingredient == ingredient)
            return line.qua;
    return -1;
}

} // namespace

TEST_F(RecipeWorkTest, theSameIngredientTwiceIsOneLineOfTheirSum) {
    LineWork work = recipeOf(500);
    // Opening costs the recipe afresh: 0.5 kg at 10.
    EXPECT_EQ(work.costText(), QStringLiteral("Reçete Maliyeti : 5.00"));
    EXPECT_TRUE(work.add(102, QStringLiteral("2"), nullptr));
    EXPECT_TRUE(work.add(102, QStringLiteral("3"), nullptr));
    ASSERT_EQ(work.lines().size(), 2u);
    EXPECT_DOUBLE_EQ(quantityOf(work, 102), 5);
    EXPECT_EQ(work.lines()[1].ingredientName, QStringLiteral("Soğan"));
    EXPECT_EQ(work.costText(), QStringLiteral("Reçete Maliyeti : 25.00"));
    work.remove(102);
    EXPECT_EQ(work.lines().size(), 1u);
    EXPECT_EQ(work.costText(), QStringLiteral("Reçete Maliyeti : 5.00"));
    EXPECT_TRUE(issued().empty()) << "nothing is written before Kaydet";
}

TEST_F(RecipeWorkTest, aQuantityTakesADecimalCommaAndNothingOrZeroBecomesOne) {
    LineWork work = recipeOf(500);
    EXPECT_TRUE(work.add(102, QStringLiteral("0,5"), nullptr));
    EXPECT_DOUBLE_EQ(quantityOf(work, 102), 0.5);
    EXPECT_TRUE(work.add(103, QString(), nullptr));
    EXPECT_DOUBLE_EQ(quantityOf(work, 103), 1);
    EXPECT_TRUE(work.add(601, QStringLiteral("0"), nullptr));
    EXPECT_DOUBLE_EQ(quantityOf(work, 601), 1);
    EXPECT_TRUE(m_boxes.shown().empty());
    // A text that is no number is refused, not read as 1.
    EXPECT_FALSE(work.add(602, QStringLiteral("2x"), nullptr));
    EXPECT_DOUBLE_EQ(quantityOf(work, 602), -1);
    EXPECT_EQ(m_boxes.captions(), QStringList{QStringLiteral("SAYI HATALI")});
}

TEST_F(RecipeWorkTest, aMissingIngredientAddsNothingAndTheProductItselfCostsNothing) {
    test::addRecipeLine(500, 999, 3);
    reload();
    LineWork work = recipeOf(500);
    ASSERT_EQ(work.lines().size(), 2u);
    EXPECT_EQ(work.costText(), QStringLiteral("Reçete Maliyeti : 5.00"));
    // "Kendisi>>": its stored cost (99) does not count.
    work.addItself();
    work.addItself();
    EXPECT_DOUBLE_EQ(quantityOf(work, 500), 2);
    EXPECT_DOUBLE_EQ(work.product().unitcost, 5);
}

TEST_F(RecipeWorkTest, savingRewritesTheRecipeLineByLineAndWritesItsCost) {
    LineWork work = recipeOf(500);
    ASSERT_TRUE(work.add(102, QStringLiteral("1,25"), nullptr));
    work.addItself();
    work.save();
    EXPECT_EQ(issued(),
              (Texts{"CALL DELETE_RECEIPT(500);", "CALL INTO_RECEIPT(500,101,0.5000);",
                     "CALL INTO_RECEIPT(500,102,1.2500);", "CALL INTO_RECEIPT(500,500,1.0000);",
                     "UPDATE stocks.stckdef SET unitcost=10.000 WHERE stcode=500;",
                     "SELECT id,urun,ingredient,qua FROM receipts;"}));
    EXPECT_EQ(rows("SELECT urun,ingredient,qua FROM stocks.receipts ORDER BY Id;"),
              "500 101 0.500000 | 500 102 1.250000 | 500 500 1.000000 | ");
    EXPECT_EQ(TestDatabase::scalar("SELECT unitcost FROM stocks.stckdef WHERE stcode=500;"),
              "10.0000");
    EXPECT_EQ(m_catalog.current()->recipes.recipeLines.size(), 3u);
    EXPECT_DOUBLE_EQ(product(500).unitcost, 10);
    EXPECT_TRUE(product(500).hasRecipe);
    EXPECT_EQ(m_changed, 1);

    // A new recipe marks its product.
    LineWork egg = recipeOf(103);
    EXPECT_FALSE(egg.product().hasRecipe);
    egg.addItself();
    egg.save();
    EXPECT_TRUE(product(103).hasRecipe);
}

TEST_F(RecipeWorkTest, theWholeRecipeGoesOnlyWhenTheUserSaysYes) {
    LineWork work = recipeOf(500);
    for (const platform::BoxAnswer answer :
         {platform::BoxAnswer::No, platform::BoxAnswer::Cancel}) {
        m_boxes.queueAnswer(answer);
        EXPECT_FALSE(work.deleteAll(nullptr));
    }
    EXPECT_TRUE(issued().empty());
    EXPECT_EQ(TestDatabase::count("stocks.receipts"), 1);
    EXPECT_EQ(work.lines().size(), 1u);
    ASSERT_EQ(m_boxes.shown().size(), 2u);
    const platform::BoxRequest& box = m_boxes.shown().front();
    EXPECT_EQ(box.text, QStringLiteral("500 kodlu - Menemen adlı \n\n ürüne ait tüm reçete "
                                       "silinecek, emin misiniz?\nNe yaptıgınızdan emin "
                                       "değilseniz HAYIR veya İPTAL deyip işlemden çıkınız."));
    EXPECT_EQ(box.caption, QStringLiteral("REÇETE SİLİNECEK...!!!"));
    EXPECT_EQ(box.buttons, platform::BoxButtons::YesNoCancel);
    EXPECT_EQ(box.defaultAnswer, platform::BoxAnswer::Cancel);
    EXPECT_TRUE(box.topmost);

    m_boxes.queueAnswer(platform::BoxAnswer::Yes);
    EXPECT_TRUE(work.deleteAll(nullptr));
    EXPECT_EQ(issued(),
              (Texts{"CALL DELETE_RECEIPT(500);", "SELECT id,urun,ingredient,qua FROM receipts;"}));
    EXPECT_EQ(TestDatabase::count("stocks.receipts"), 0);
    EXPECT_TRUE(work.lines().empty());
    EXPECT_FALSE(product(500).hasRecipe);
    // The cost stays where it was: the delete does not write it.
    EXPECT_DOUBLE_EQ(product(500).unitcost, 5);
}

TEST_F(RecipeWorkTest, ownRecipesCountTheProductsWhoseLineFailed) {
    std::vector<stock::StockCode> codes;
    for (stock::StockCode code = 701; code <= 710; ++code) {
        test::addProduct({code, "Hazır " + std::to_string(code)});
        codes.push_back(code);
    }
    test::addRecipeLine(701, 101, 2);
    TestDatabase::exec("CREATE TRIGGER stocks.refuse_705 BEFORE INSERT ON stocks.receipts "
                       "FOR EACH ROW BEGIN IF NEW.urun=705 THEN SIGNAL SQLSTATE '45000' "
                       "SET MESSAGE_TEXT='refused'; END IF; END");
    reload();
    recipes::makeOwnRecipes(m_context, codes);
    TestDatabase::exec("DROP TRIGGER stocks.refuse_705;");

    const Texts texts = issued();
    ASSERT_GE(texts.size(), 2u);
    EXPECT_EQ(texts[0], "CALL DELETE_RECEIPT(701);");
    EXPECT_EQ(texts[1], "CALL INTO_RECEIPT(701,701,1.000);");
    EXPECT_EQ(texts.back(), "SELECT id,urun,ingredient,qua FROM receipts;");
    ASSERT_EQ(m_boxes.shown().size(), 2u);
    EXPECT_EQ(m_boxes.captions()[0], QStringLiteral("INSERT_RECETELER_HEPSI"));
    const platform::BoxRequest& summary = m_boxes.shown()[1];
    EXPECT_EQ(summary.text, QStringLiteral("9 adet ürün reçetelendirildi.\n 1 tane FAILED.. "));
    EXPECT_EQ(summary.caption, QStringLiteral("INSERT_RECETELER_KENDI"));
    EXPECT_EQ(summary.owner, nullptr);
    // The old line of 701 is gone; each product but 705 is its own recipe.
    EXPECT_EQ(rows("SELECT COUNT(*),MIN(qua),MAX(qua) FROM stocks.receipts WHERE urun>700;"),
              "9 1.000000 1.000000 | ");
    EXPECT_EQ(TestDatabase::scalar(
                  "SELECT COUNT(*) FROM stocks.receipts WHERE urun>700 AND urun<>ingredient;"),
              "0");
    EXPECT_TRUE(product(701).hasRecipe);
    EXPECT_FALSE(product(705).hasRecipe);
    EXPECT_TRUE(product(500).hasRecipe);
}
