#include "OrderingFixture.h"
#include "RefusingTrigger.h"
#include "ordering/OrderCells.h"
#include "ordering/OrderSaves.h"
#include "ordering/StockOrderEntry.h"

#include <functional>
#include <thread>

using namespace parvela;
using ordering::OrderCell;
using ordering::ProductScope;
using test::TestDatabase;
using Texts = std::vector<std::string>;

namespace {

// Puts the cells with the given codes into the column, in that order.
void place(std::vector<OrderCell>& cells, const std::vector<std::int64_t>& codes) {
    for (std::size_t k = 0; k < codes.size(); ++k)
        for (OrderCell& cell : cells)
            if (cell.code == codes[k]) {
                cell.placed = true;
                cell.index_sira = static_cast<int>(k);
            }
}

std::string orderRows() {
    std::string all;
    for (const auto& row : TestDatabase::query("SELECT stcode,IFNULL(gra,'-'),IFNULL(grb,'-'),"
                                               "index_sira FROM stocks.stok_order ORDER BY "
                                               "gra,grb,index_sira;"))
        all += row[0] + "/" + row[1] + "/" + row[2] + "/" + row[3] + " ";
    return all;
}

// The products are listed by name: Ezogelin (102) before Mercimek (101).
class OrderingSaveTest : public test::OrderingTestBase {
protected:
    std::vector<OrderCell> menu() { return ordering::menuCells(m_catalog.groups().allGroupB()); }
    std::vector<OrderCell> products(const ProductScope& scope) {
        return ordering::productCells(m_catalog.runner(), m_catalog.current()->products, scope);
    }
    // Orders kept in the other scopes, to see what a save leaves of them.
    void otherScopes() {
        TestDatabase::exec(
            "INSERT INTO stocks.stok_order (stcode,gra,index_sira) VALUES (101,1,5);"
            "INSERT INTO stocks.stok_order (stcode,grb,index_sira) VALUES (102,11,7);"
            "INSERT INTO stocks.stok_order (stcode,index_sira) VALUES (201,3);");
        m_journal.clear();
    }
};

} // namespace

TEST_F(OrderingSaveTest, MenuWithNothingPlacedWritesAndSaysNothing) {
    EXPECT_FALSE(ordering::saveMenuOrder(m_catalog.runner(), m_boxes, menu(), nullptr));
    EXPECT_TRUE(issued().empty());
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(OrderingSaveTest, MenuOthersFollowTheLastPlacedByTen) {
    std::vector<OrderCell> cells = menu();
    place(cells, {21, 13, 11});
    EXPECT_TRUE(ordering::saveMenuOrder(m_catalog.runner(), m_boxes, cells, nullptr));
    EXPECT_EQ(issued(), (Texts{test::kMenuOrderLock,
                               "UPDATE classb SET classb.index_sira=0 WHERE classb.bcode=21;"
                               "UPDATE classb SET classb.index_sira=1 WHERE classb.bcode=13;"
                               "UPDATE classb SET classb.index_sira=2 WHERE classb.bcode=11;"
                               "UPDATE classb SET classb.index_sira=12 WHERE classb.bcode=12;"
                               "UPDATE classb SET classb.index_sira=13 WHERE classb.bcode=22;"}));
    EXPECT_EQ(TestDatabase::scalar("SELECT GROUP_CONCAT(bcode,':',index_sira ORDER BY index_sira) "
                                   "FROM groups.classb;"),
              "21:0,13:1,11:2,12:12,22:13");
    EXPECT_EQ(m_boxes.texts(), QStringList{QStringLiteral("MENU_SIRASI kaydedildi.")});
    EXPECT_EQ(m_boxes.captions(), QStringList{QStringLiteral("UPDATE_MENU_SIRA")});
}

TEST_F(OrderingSaveTest, OverallSaveAnsweredNoKeepsTheGroupOrders) {
    otherScopes();
    std::vector<OrderCell> cells = products({});
    m_journal.clear();
    place(cells, {103, 201});
    m_boxes.queueAnswer(platform::BoxAnswer::No);
    EXPECT_TRUE(ordering::saveProductOrder(m_catalog.runner(), m_boxes, {}, cells, nullptr));
    EXPECT_EQ(issued(), (Texts{test::kProductOrderLock,
                               "DELETE FROM stok_order WHERE ( gra is NULL and grb is NULL );",
                               "INSERT INTO stok_order(stcode,index_sira) VALUES(103,0);"
                               "INSERT INTO stok_order(stcode,index_sira) VALUES(201,1);"
                               "INSERT INTO stok_order(stcode,index_sira) VALUES(102,1000000);"
                               "INSERT INTO stok_order(stcode,index_sira) VALUES(101,1000001);"}));
    EXPECT_EQ(orderRows(), "103/-/-/0 201/-/-/1 102/-/-/1000000 101/-/-/1000001 "
                           "102/-/11/7 101/1/-/5 ");
    EXPECT_EQ(m_boxes.captions(), (QStringList{QStringLiteral("DELETE_ALL_ORDER_INDEX"),
                                               QStringLiteral("UPDATE_URUN_SIRA")}));
    EXPECT_EQ(m_boxes.texts().last(), QStringLiteral("ÜRÜN_SIRASI kaydedildi."));
    EXPECT_EQ(m_boxes.texts().first(),
              QStringLiteral("Tüm siralamalar silinecek. \nDevam etmek istiyor musunuz?"));
}

TEST_F(OrderingSaveTest, OverallSaveAnsweredYesClearsEveryScope) {
    otherScopes();
    std::vector<OrderCell> cells = products({});
    m_journal.clear();
    place(cells, {201});
    m_boxes.queueAnswer(platform::BoxAnswer::Yes);
    EXPECT_TRUE(ordering::saveProductOrder(m_catalog.runner(), m_boxes, {}, cells, nullptr));
    ASSERT_EQ(issued().size(), 4u);
    // The question came before the change; inside it a DELETE, not a
    // TRUNCATE, which would commit on its own.
    EXPECT_EQ(m_boxes.captions().first(), QStringLiteral("DELETE_ALL_ORDER_INDEX"));
    EXPECT_EQ(issued()[2], "DELETE FROM stok_order;");
    EXPECT_EQ(orderRows(), "201/-/-/0 102/-/-/1000000 101/-/-/1000001 103/-/-/1000002 ");
}

TEST_F(OrderingSaveTest, GroupScopesRewriteOnlyTheirOwnRows) {
    otherScopes();
    std::vector<OrderCell> cells = products({1, std::nullopt});
    ASSERT_EQ(cells.size(), 3u);
    EXPECT_EQ(cells[0].code, 101); // its stored position comes first
    place(cells, {103});
    EXPECT_TRUE(
        ordering::saveProductOrder(m_catalog.runner(), m_boxes, {1, std::nullopt}, cells, nullptr));
    EXPECT_EQ(issued(),
              (Texts{"SELECT Id,stcode,gra,grb,index_sira FROM stok_order WHERE gra=1;",
                     test::kProductOrderLock, "DELETE FROM stok_order WHERE gra=1;",
                     "INSERT INTO stok_order(stcode,gra,index_sira) VALUES(103,1,0);"
                     "INSERT INTO stok_order(stcode,gra,index_sira) VALUES(101,1,1000000);"
                     "INSERT INTO stok_order(stcode,gra,index_sira) VALUES(102,1,1000001);"}));
    m_journal.clear();
    cells = products({std::nullopt, 11});
    place(cells, {102, 101});
    EXPECT_TRUE(ordering::saveProductOrder(m_catalog.runner(), m_boxes, {std::nullopt, 11}, cells,
                                           nullptr));
    EXPECT_EQ(issued()[3], "INSERT INTO stok_order(stcode,grb,index_sira) VALUES(102,11,0);"
                           "INSERT INTO stok_order(stcode,grb,index_sira) VALUES(101,11,1);");
    EXPECT_EQ(orderRows(), "201/-/-/3 102/-/11/0 101/-/11/1 103/1/-/0 101/1/-/1000000 "
                           "102/1/-/1000001 ");
    EXPECT_TRUE(m_boxes.captions().contains(QStringLiteral("UPDATE_URUN_SIRA")));
}

TEST_F(OrderingSaveTest, BothGroupsOrNothingPlacedWriteNothing) {
    otherScopes();
    std::vector<OrderCell> cells = products({});
    m_journal.clear();
    EXPECT_FALSE(ordering::saveProductOrder(m_catalog.runner(), m_boxes, {}, cells, nullptr));
    place(cells, {101});
    EXPECT_FALSE(ordering::saveProductOrder(m_catalog.runner(), m_boxes, {1, 11}, cells, nullptr));
    EXPECT_TRUE(issued().empty());
    EXPECT_TRUE(m_boxes.shown().empty());
    EXPECT_EQ(orderRows(), "201/-/-/3 102/-/11/7 101/1/-/5 ");
}

// A refused row is reported with its tag and the save does not claim
// success; the rows after it in the same call are not written either.
TEST_F(OrderingSaveTest, AFailedInsertIsNotReportedAsSaved) {
    std::vector<OrderCell> cells = products({1, std::nullopt});
    m_journal.clear();
    place(cells, {103});
    TestDatabase::exec("CREATE TRIGGER stocks.refuse_102 BEFORE INSERT ON stocks.stok_order "
                       "FOR EACH ROW BEGIN IF NEW.stcode=102 THEN SIGNAL SQLSTATE '45000' "
                       "SET MESSAGE_TEXT='refused'; END IF; END");
    const bool saved =
        ordering::saveProductOrder(m_catalog.runner(), m_boxes, {1, std::nullopt}, cells, nullptr);
    TestDatabase::exec("DROP TRIGGER stocks.refuse_102;");
    EXPECT_FALSE(saved);
    EXPECT_EQ(m_boxes.captions(), QStringList{QStringLiteral("INSERT_URUN_SIRA")});
    EXPECT_FALSE(m_boxes.texts().contains(QStringLiteral("ÜRÜN_SIRASI kaydedildi.")));
}

// Every ordering save is all or nothing: a failure injected at each of its
// statements leaves every order row as it was, with one box under the
// failing statement's tag (after the question, which comes first).
TEST_F(OrderingSaveTest, AFailureAtAnyStatementOfAnOrderSaveLeavesEveryRowAsItWas) {
    otherScopes();
    TestDatabase::exec("INSERT INTO stocks.stok_order (stcode,gra,index_sira) VALUES (103,1,2);");
    const auto saveMenu = [this] {
        std::vector<OrderCell> cells = menu();
        place(cells, {21, 13});
        EXPECT_FALSE(ordering::saveMenuOrder(m_catalog.runner(), m_boxes, cells, nullptr));
    };
    const auto saveScope = [this](ProductScope scope) {
        std::vector<OrderCell> cells = products(scope);
        place(cells, {103});
        EXPECT_FALSE(
            ordering::saveProductOrder(m_catalog.runner(), m_boxes, scope, cells, nullptr));
    };
    const auto saveGroupA = [&] {
        saveScope({1, std::nullopt});
    };
    const auto saveOverall = [&] {
        m_boxes.queueAnswer(platform::BoxAnswer::Yes);
        saveScope({});
    };
    const auto saveOne = [this] {
        const stock::CatalogueRef catalogue = m_catalog.current();
        ordering::StockOrderEntry entry(m_catalog.runner(), m_boxes, *catalogue->find(103),
                                        catalogue->products);
        EXPECT_FALSE(
            entry.apply({QStringLiteral("4"), QStringLiteral("2"), QStringLiteral("9")}, nullptr));
    };
    const QString question = QStringLiteral("DELETE_ALL_ORDER_INDEX");
    const std::vector<test::Refusal> cases = {
        {saveMenu,
         "BEFORE UPDATE ON `groups`.classb",
         "NEW.bcode=22",
         {QStringLiteral("UPDATE_MENU_SIRA")}},
        {saveGroupA,
         "BEFORE DELETE ON stocks.stok_order",
         "OLD.gra=1",
         {QStringLiteral("DELETE_URUN_SIRA")}},
        {saveGroupA,
         "BEFORE INSERT ON stocks.stok_order",
         "NEW.stcode=102",
         {QStringLiteral("INSERT_URUN_SIRA")}},
        {saveOverall,
         "BEFORE DELETE ON stocks.stok_order",
         "OLD.gra IS NULL AND OLD.grb IS NULL",
         {question, QStringLiteral("DELETE_URUN_SIRA_GR_A")}},
        {saveOverall, "BEFORE DELETE ON stocks.stok_order", "OLD.grb=11", {question, question}},
        {saveOverall,
         "BEFORE INSERT ON stocks.stok_order",
         "NEW.stcode=102",
         {question, QStringLiteral("INSERT_URUN_SIRA")}},
        {saveOne,
         "BEFORE DELETE ON stocks.stok_order",
         "OLD.stcode=103",
         {QStringLiteral("DELETE_FROM_SIRALAMA")}},
        {saveOne,
         "BEFORE INSERT ON stocks.stok_order",
         "NEW.stcode=103",
         {QStringLiteral("INSERT_STOK_SIRALAMASI")}},
    };
    const std::string everyRow = "SELECT stcode,IFNULL(gra,'-'),IFNULL(grb,'-'),index_sira,"
                                 "sira_gra,sira_grb FROM stocks.stok_order UNION ALL SELECT "
                                 "'b',bcode,0,index_sira,0,0 FROM `groups`.classb ORDER BY 1,2,3;";
    test::expectRefusalsChangeNothing(cases, everyRow, m_boxes);
}

// Two stations save the order of one scope at the same moment: the later
// save waits for the earlier and replaces its rows whole.
TEST_F(OrderingSaveTest, TwoStationsSavingOneScopeLeaveOneStationsOrderWhole) {
    std::vector<OrderCell> first = products({1, std::nullopt});
    std::vector<OrderCell> second = first;
    place(first, {103, 101});
    place(second, {102});
    // Each row waits a little, so both saves are under way together; the
    // scope has no rows yet, so nothing for a delete to lock.
    TestDatabase::exec("CREATE TRIGGER stocks.slow_row BEFORE INSERT ON stocks.stok_order "
                       "FOR EACH ROW SET @slow = SLEEP(0.1);");
    test::TestSettings otherSettings;
    test::ScriptedMessageBoxes otherBoxes;
    app::CatalogData other{otherSettings, otherBoxes};
    bool firstSaved = false;
    bool secondSaved = false;
    std::thread a([&] {
        firstSaved = ordering::saveProductOrder(m_catalog.runner(), m_boxes, {1, std::nullopt},
                                                first, nullptr);
    });
    std::thread b([&] {
        secondSaved = ordering::saveProductOrder(other.runner(), otherBoxes, {1, std::nullopt},
                                                 second, nullptr);
    });
    a.join();
    b.join();
    TestDatabase::exec("DROP TRIGGER stocks.slow_row;");
    EXPECT_TRUE(firstSaved);
    EXPECT_TRUE(secondSaved);
    const std::string stored = orderRows();
    EXPECT_TRUE(stored == "103/1/-/0 101/1/-/1 102/1/-/1000000 " ||
                stored == "102/1/-/0 101/1/-/1000000 103/1/-/1000001 ")
        << stored;
}
