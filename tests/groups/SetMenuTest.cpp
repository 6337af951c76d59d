#include "groups/SetMenu.h"

#include "CatalogFixtures.h"
#include "GroupDialogFixture.h"

using namespace parvela;
using namespace parvela::groups;
using test::TestDatabase;
using Texts = std::vector<std::string>;

namespace {

class SetMenuTest : public test::GroupDialogFixture {
protected:
    // Three menu pages on the tills and one that is not.
    void plantPages() {
        test::addGroupA(3331, "Yiyecekler");
        test::addGroupB(3331, 33312, "Çorbalar", 1);
        test::addGroupB(3331, 33313, "Izgaralar", 2);
        test::addGroupB(3331, 33314, "Tatlılar", 3);
        test::addGroupB(3331, 33315, "Mutfak İçi", 4);
        TestDatabase::exec("UPDATE `groups`.classb SET posmenu=0 WHERE bcode=33315;");
        readGroups();
    }

    static std::string codesIn(const std::string& table) {
        return TestDatabase::scalar("SELECT IFNULL(GROUP_CONCAT(posmenu ORDER BY id),'') FROM "
                                    "tabledot." +
                                    table + ";");
    }
};

std::vector<int> codesOf(const std::vector<GroupB>& groups) {
    std::vector<int> codes;
    for (const GroupB& group : groups)
        codes.push_back(group.bcode);
    return codes;
}

} // namespace

TEST_F(SetMenuTest, priceWithADecimalCommaIsStoredToTheCent) {
    SetMenu menu(m_runner, 3);
    EXPECT_TRUE(menu.savePrice(QStringLiteral("125,5"), m_boxes, nullptr));
    EXPECT_EQ(m_journal.texts(), Texts{"UPDATE tabledot_uc_fiyat SET fiyat=125.50 ;"});
    EXPECT_EQ(m_journal.entries()[0].schema, "tabledot");
    EXPECT_EQ(TestDatabase::scalar("SELECT fiyat FROM tabledot.tabledot_uc_fiyat;"), "125.50");
    EXPECT_EQ(TestDatabase::scalar("SELECT fiyat FROM tabledot.tabledot_dort_fiyat;"), "0.00");
    menu.read(m_data.allGroupB());
    EXPECT_DOUBLE_EQ(menu.price(), 125.5);

    // A slip of the keyboard never becomes a price of 0.
    m_journal.clear();
    EXPECT_FALSE(menu.savePrice(QStringLiteral("12 TL"), m_boxes, nullptr));
    ASSERT_EQ(m_boxes.shown().size(), 1u);
    EXPECT_EQ(m_boxes.captions()[0], QStringLiteral("SAYI HATALI"));
    EXPECT_TRUE(m_journal.texts().empty());
    EXPECT_EQ(TestDatabase::scalar("SELECT fiyat FROM tabledot.tabledot_uc_fiyat;"), "125.50");
}

TEST_F(SetMenuTest, readsThePriceThenEachCourseSkippingUnknownCodes) {
    plantPages();
    TestDatabase::exec("UPDATE tabledot.tabledot_dort_fiyat SET fiyat=450;"
                       "INSERT INTO tabledot.dortkap_2(posmenu) VALUES(33314),(99999),(33312);"
                       "INSERT INTO tabledot.dortkap_4(posmenu) VALUES(33315);");
    SetMenu menu(m_runner, 4);
    menu.read(m_data.allGroupB());
    EXPECT_EQ(m_journal.texts(),
              (Texts{"SELECT fiyat FROM tabledot_dort_fiyat;", "SELECT posmenu FROM dortkap_1;",
                     "SELECT posmenu FROM dortkap_2;", "SELECT posmenu FROM dortkap_3;",
                     "SELECT posmenu FROM dortkap_4;"}));
    EXPECT_DOUBLE_EQ(menu.price(), 450.0);
    EXPECT_TRUE(menu.course(1).empty());
    EXPECT_EQ(codesOf(menu.course(2)), (std::vector<int>{33314, 33312}));
    EXPECT_TRUE(menu.inCourse(4, 33315));
    // A page not on the tills is never offered, even when a course names it.
    EXPECT_EQ(codesOf(offeredGroups(m_data.allGroupB())), (std::vector<int>{33312, 33313, 33314}));
}

TEST_F(SetMenuTest, courseSaveAppendsOnlyWhatTheCourseLacks) {
    plantPages();
    SetMenu menu(m_runner, 3);
    menu.read(m_data.allGroupB());
    m_journal.clear();
    menu.addToCourse(2, {});
    EXPECT_TRUE(m_journal.texts().empty());
    EXPECT_EQ(TestDatabase::count("tabledot.uckap_2"), 0);

    menu.addToCourse(1, {33313, 33312});
    EXPECT_EQ(m_journal.texts(), (Texts{"INSERT INTO uckap_1 (posmenu) VALUES (33313);",
                                        "INSERT INTO uckap_1 (posmenu) VALUES (33312);"}));
    menu.read(m_data.allGroupB());
    m_journal.clear();
    menu.addToCourse(1, {33312, 33314, 33314});
    EXPECT_EQ(m_journal.texts(), Texts{"INSERT INTO uckap_1 (posmenu) VALUES (33314);"});
    EXPECT_EQ(codesIn("uckap_1"), "33313,33312,33314");
}

// The groups of one save go in together or not at all.
TEST_F(SetMenuTest, aRefusedGroupLeavesTheCourseAsItWas) {
    plantPages();
    SetMenu menu(m_runner, 3);
    menu.read(m_data.allGroupB());
    TestDatabase::exec("CREATE TRIGGER tabledot.refuse_one BEFORE INSERT ON tabledot.uckap_1 FOR "
                       "EACH ROW BEGIN IF NEW.posmenu=33312 THEN SIGNAL SQLSTATE '45000' SET "
                       "MESSAGE_TEXT='refused'; END IF; END");
    menu.addToCourse(1, {33313, 33312, 33314});
    TestDatabase::exec("DROP TRIGGER tabledot.refuse_one;");
    EXPECT_EQ(codesIn("uckap_1"), "");
    EXPECT_EQ(m_boxes.captions(), QStringList{QStringLiteral("INSERT_TABLEDOT_GRUP_B")});
}

TEST_F(SetMenuTest, resetEmptiesOnlyItsCourse) {
    plantPages();
    TestDatabase::exec("INSERT INTO tabledot.uckap_1(posmenu) VALUES(33312);"
                       "INSERT INTO tabledot.uckap_2(posmenu) VALUES(33313);"
                       "INSERT INTO tabledot.uckap_3(posmenu) VALUES(33314),(33312);"
                       "INSERT INTO tabledot.dortkap_3(posmenu) VALUES(33314);");
    SetMenu three(m_runner, 3);
    three.resetCourse(3);
    EXPECT_EQ(m_journal.texts(), Texts{"TRUNCATE TABLE uckap_3;"});
    EXPECT_EQ(codesIn("uckap_1"), "33312");
    EXPECT_EQ(codesIn("uckap_2"), "33313");
    EXPECT_EQ(codesIn("uckap_3"), "");
    EXPECT_EQ(codesIn("dortkap_3"), "33314");

    m_journal.clear();
    SetMenu four(m_runner, 4);
    four.resetCourse(4);
    three.resetCourse(4); // no such course
    EXPECT_EQ(m_journal.texts(), Texts{"TRUNCATE TABLE dortkap_4;"});
    EXPECT_EQ(codesIn("dortkap_3"), "33314");
}
