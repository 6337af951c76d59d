#include "RecipeFixture.h"
#include "db/StatementBatch.h"
#include "recipes/LineWork.h"
#include "recipes/OwnRecipes.h"
#include "recipes/RecipeStatements.h"

#include <chrono>
#include <thread>

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

TEST_F(RecipeWorkTest, savingRewritesTheRecipeWithItsLinesInOneCallAndWritesItsCost) {
    LineWork work = recipeOf(500);
    ASSERT_TRUE(work.add(102, QStringLiteral("1,25"), nullptr));
    work.addItself();
    work.save();
    EXPECT_EQ(issued(),
              (Texts{"SELECT stcode FROM stocks.stckdef WHERE stcode=500 FOR UPDATE WAIT 20;",
                     "CALL DELETE_RECEIPT(500);",
                     "CALL INTO_RECEIPT(500,101,0.5000);CALL INTO_RECEIPT(500,102,1.2500);"
                     "CALL INTO_RECEIPT(500,500,1.0000);",
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

TEST_F(RecipeWorkTest, ownRecipesAskFirstAndAreWrittenAllOrNone) {
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
    const std::string before = rows("SELECT urun,ingredient,qua FROM stocks.receipts ORDER BY Id;");

    // "Hayır" is the default and writes nothing.
    EXPECT_FALSE(recipes::makeOwnRecipes(m_context, codes));
    EXPECT_TRUE(issued().empty());
    ASSERT_EQ(m_boxes.shown().size(), 1u);
    const platform::BoxRequest& question = m_boxes.shown()[0];
    EXPECT_EQ(question.text, recipes::ownRecipesQuestion(10));
    EXPECT_TRUE(question.text.startsWith(QStringLiteral("10 ürünün reçetesi")));
    EXPECT_EQ(question.buttons, platform::BoxButtons::YesNo);
    EXPECT_EQ(question.defaultAnswer, platform::BoxAnswer::No);

    // One refused line: no product changes, 701 keeps its old line.
    m_boxes.clear();
    m_boxes.queueAnswer(platform::BoxAnswer::Yes);
    EXPECT_FALSE(recipes::makeOwnRecipes(m_context, codes));
    TestDatabase::exec("DROP TRIGGER stocks.refuse_705;");
    EXPECT_EQ(rows("SELECT urun,ingredient,qua FROM stocks.receipts ORDER BY Id;"), before);
    EXPECT_EQ(m_boxes.captions().mid(1), (QStringList{QStringLiteral("INSERT_RECETELER_HEPSI"),
                                                      QStringLiteral("INSERT_RECETELER_KENDI")}));
    EXPECT_EQ(m_boxes.texts().last(),
              QStringLiteral("0 adet ürün reçetelendirildi.\n 10 tane FAILED.. "));
    EXPECT_TRUE(product(701).hasRecipe);
    EXPECT_FALSE(product(705).hasRecipe);

    m_journal.clear();
    m_boxes.queueAnswer(platform::BoxAnswer::Yes);
    EXPECT_TRUE(recipes::makeOwnRecipes(m_context, codes));
    const Texts texts = issued();
    ASSERT_GE(texts.size(), 2u);
    EXPECT_EQ(texts[0].rfind("CALL DELETE_RECEIPT(701);CALL INTO_RECEIPT(701,701,1.000);", 0), 0u);
    EXPECT_EQ(texts.back(), "SELECT id,urun,ingredient,qua FROM receipts;");
    EXPECT_EQ(m_boxes.texts().last(),
              QStringLiteral("10 adet ürün reçetelendirildi.\n 0 tane FAILED.. "));
    EXPECT_EQ(m_boxes.shown().back().owner, nullptr);
    // The old line of 701 is gone; each product is its own recipe.
    EXPECT_EQ(rows("SELECT COUNT(*),MIN(qua),MAX(qua) FROM stocks.receipts WHERE urun>700;"),
              "10 1.000000 1.000000 | ");
    EXPECT_EQ(TestDatabase::scalar(
                  "SELECT COUNT(*) FROM stocks.receipts WHERE urun>700 AND urun<>ingredient;"),
              "0");
    EXPECT_TRUE(product(701).hasRecipe);
    EXPECT_TRUE(product(705).hasRecipe);
    EXPECT_TRUE(product(500).hasRecipe);
}

// Batched in one transaction: a few calls, not two connections and a pause
// per product; a failure at the very end leaves every recipe as it was.
TEST_F(RecipeWorkTest, ownRecipesOfTwoThousandProductsAreOneQuickChange) {
    constexpr int kCount = 2000;
    TestDatabase::exec("INSERT INTO stocks.stckdef(stcode,stname) SELECT 10000+seq, "
                       "CONCAT('Hazır ',seq) FROM mysql.seq_1_to_2000;"
                       "INSERT INTO stocks.receipts(urun,ingredient,qua) SELECT 10000+seq,101,2 "
                       "FROM mysql.seq_1_to_2000 WHERE seq%2=0;");
    std::vector<stock::StockCode> codes;
    for (int i = 1; i <= kCount; ++i)
        codes.push_back(10000 + i);
    const std::string before = rows("SELECT COUNT(*),SUM(urun),SUM(ingredient),SUM(qua) FROM "
                                    "stocks.receipts;");
    TestDatabase::exec("CREATE TRIGGER stocks.refuse_last BEFORE INSERT ON stocks.receipts "
                       "FOR EACH ROW BEGIN IF NEW.urun=12000 THEN SIGNAL SQLSTATE '45000' "
                       "SET MESSAGE_TEXT='refused'; END IF; END");
    EXPECT_EQ(recipes::insertOwnRecipes(m_catalog.runner(), codes), 0);
    TestDatabase::exec("DROP TRIGGER stocks.refuse_last;");
    EXPECT_EQ(rows("SELECT COUNT(*),SUM(urun),SUM(ingredient),SUM(qua) FROM stocks.receipts;"),
              before);
    EXPECT_EQ(m_boxes.captions(), QStringList{QStringLiteral("INSERT_RECETELER_HEPSI")});

    // "İptal" after the first batch takes that batch back too.
    std::vector<int> steps;
    const recipes::LongWork cancelAfterOne{[&steps](int done) { steps.push_back(done); },
                                           [&steps] {
                                               return !steps.empty();
                                           }};
    EXPECT_EQ(recipes::insertOwnRecipes(m_catalog.runner(), codes, cancelAfterOne),
              recipes::kCancelled);
    EXPECT_EQ(steps, std::vector<int>{static_cast<int>(db::kStatementsPerCall / 2)});
    EXPECT_EQ(rows("SELECT COUNT(*),SUM(urun),SUM(ingredient),SUM(qua) FROM stocks.receipts;"),
              before);
    EXPECT_EQ(recipes::ownRecipesSummary(recipes::kCancelled, kCount),
              QStringLiteral("İşlem iptal edildi; hiçbir ürünün reçetesi değişmedi."));

    m_journal.clear();
    steps.clear();
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(recipes::insertOwnRecipes(m_catalog.runner(), codes,
                                        {[&steps](int done) { steps.push_back(done); }, {}}),
              kCount);
    EXPECT_EQ(steps.back(), kCount);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
    EXPECT_LE(issued().size(), 4u * kCount / db::kStatementsPerCall + 2);
    EXPECT_EQ(TestDatabase::scalar("SELECT COUNT(*) FROM stocks.receipts WHERE urun>10000 AND "
                                   "urun=ingredient AND qua=1;"),
              std::to_string(kCount));
    EXPECT_EQ(TestDatabase::scalar("SELECT COUNT(*) FROM stocks.receipts WHERE urun>10000;"),
              std::to_string(kCount));
}

// Two stations save one recipe at the same moment: the later save waits for
// the earlier and replaces its lines whole; the cost is that of those lines.
TEST_F(RecipeWorkTest, twoStationsSavingOneRecipeLeaveOneStationsLinesWhole) {
    // Each line waits a little, so both saves are under way together.
    TestDatabase::exec("CREATE TRIGGER stocks.slow_line BEFORE INSERT ON stocks.receipts "
                       "FOR EACH ROW SET @slow = SLEEP(0.2);");
    test::TestSettings otherSettings;
    test::ScriptedMessageBoxes otherBoxes;
    app::CatalogData other{otherSettings, otherBoxes};
    using Lines = std::vector<recipes::RecipeLine>;
    const auto lines = [](std::initializer_list<std::pair<stock::StockCode, double>> list) {
        Lines all;
        for (const auto& [ingredient, qua] : list) {
            recipes::RecipeLine line;
            line.ingredient = ingredient;
            line.qua = qua;
            all.push_back(line);
        }
        return all;
    };
    const Lines first = lines({{101, 1}, {102, 2}, {103, 3}});
    const Lines second = lines({{102, 5}, {103, 6}});
    // The product has no lines yet: nothing for a delete to lock.
    bool firstWritten = false;
    bool secondWritten = false;
    std::thread a([&] { firstWritten = recipes::writeRecipe(m_catalog.runner(), 103, first, 24); });
    std::thread b([&] { secondWritten = recipes::writeRecipe(other.runner(), 103, second, 32); });
    a.join();
    b.join();
    TestDatabase::exec("DROP TRIGGER stocks.slow_line;");
    EXPECT_TRUE(firstWritten);
    EXPECT_TRUE(secondWritten);
    EXPECT_TRUE(m_boxes.shown().empty());
    EXPECT_TRUE(otherBoxes.shown().empty());
    const std::string stored =
        rows("SELECT ingredient,qua FROM stocks.receipts WHERE urun=103 ORDER BY Id;");
    const std::string cost =
        TestDatabase::scalar("SELECT unitcost FROM stocks.stckdef WHERE stcode=103;");
    if (cost == "24.0000")
        EXPECT_EQ(stored, "101 1.000000 | 102 2.000000 | 103 3.000000 | ");
    else
        EXPECT_EQ(stored + cost, "102 5.000000 | 103 6.000000 | 32.0000");
}
