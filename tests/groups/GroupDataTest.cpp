#include "groups/GroupData.h"

#include "GroupBuilders.h"
#include "HiddenTable.h"
#include "JournaledDatabaseTest.h"
#include "groups/StockType.h"

#include <tuple>

using namespace parvela;
using namespace parvela::groups;
using platform::BoxIcon;
using test::groupA;
using test::groupB;
using test::groupC;
using test::HiddenTable;
using test::TestDatabase;
using Texts = std::vector<std::string>;

namespace {

class GroupDataTest : public test::JournaledDatabaseTest {
protected:
    GroupData m_data{m_runner};
};

} // namespace

TEST_F(GroupDataTest, readsTheLevelsInQueryOrderWithParentNames) {
    TestDatabase::exec(
        "INSERT INTO groups.classa(Id,acode,groupname,posmenu,tur) VALUES"
        "(1,3331,'Tatlılar',2,333),(2,3332,'Ana Yemekler',0,333);"
        "INSERT INTO groups.classb(Id,acode,bcode,groupname,posmenu,tur,index_sira) VALUES"
        "(5,3331,33312,'Sütlü',1,333,2),(6,9999,99992,'Yetim',0,333,1);"
        "INSERT INTO groups.classc(Id,acode,bcode,ccode,groupname,posmenu,tur) VALUES"
        "(9,3331,33312,333122,'Kazandibi',1,333),(8,3332,77777,777772,'Kayıp',0,333);");
    ASSERT_EQ(m_data.readGroupA(), 2);
    ASSERT_EQ(m_data.readGroupB(), 2);
    ASSERT_EQ(m_data.readGroupC(), 2);

    const GroupA& a = m_data.allGroupA()[1];
    EXPECT_EQ(m_data.allGroupA()[0].wideName, QStringLiteral("Ana Yemekler"));
    EXPECT_FALSE(m_data.allGroupA()[0].posmenu);
    EXPECT_EQ(std::tie(a.Id, a.acode, a.name, a.posmenu, a.tur),
              std::make_tuple(1, 3331, std::string("Tatlılar"), true, 333));
    EXPECT_EQ(a.wideName, QStringLiteral("Tatlılar"));

    const std::vector<GroupB>& b = m_data.allGroupB();
    EXPECT_EQ(b[0].wideName, QStringLiteral("Yetim"));
    EXPECT_TRUE(b[0].parentWideName.isEmpty());
    EXPECT_EQ(std::tie(b[1].Id, b[1].bcode, b[1].index_sira), std::make_tuple(5, 33312, 2));
    EXPECT_EQ(b[1].parentWideName, QStringLiteral("Tatlılar"));

    const std::vector<GroupC>& c = m_data.allGroupC();
    EXPECT_EQ(c[0].aWideName, QStringLiteral("Ana Yemekler"));
    EXPECT_TRUE(c[0].bWideName.isEmpty());
    EXPECT_EQ(c[1].bWideName, QStringLiteral("Sütlü"));
    EXPECT_EQ(c[1].ccode, 333122);

    std::vector<GroupB> byId{groupB(1, 12)};
    EXPECT_EQ(m_data.readGroupBById(byId), 2);
    EXPECT_EQ(byId[0].parentWideName, QStringLiteral("Tatlılar"));
    m_data.resetScreenB();
    EXPECT_EQ(m_data.screenB().size(), 2u);
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(GroupDataTest, insertsSendTurkishNamesAsUtf8AndReadThemBack) {
    const QString name = QStringLiteral("Ğüşıİ Çay");
    GroupB b = groupB(3331, 33312, name);
    b.posmenu = true;
    b.tur = kFinished;
    EXPECT_EQ(m_data.insertGroupA(groupA(3331, name)), 3331);
    EXPECT_EQ(m_data.insertGroupB(b), 33312);
    EXPECT_EQ(m_data.insertGroupC(groupC(3331, 33312, 333122, name)), 333122);
    EXPECT_EQ(m_journal.texts(),
              (Texts{"INSERT INTO classa(acode,groupname,posmenu,tur)VALUES(3331,"
                     "_utf8'Ğüşıİ Çay',0,0);",
                     "INSERT INTO classb(acode,bcode,groupname,posmenu,tur)VALUES(3331,33312,"
                     "_utf8'Ğüşıİ Çay',1,333);",
                     "INSERT INTO classc(acode,bcode,ccode,groupname,posmenu,tur)VALUES(3331,"
                     "33312,333122,_utf8'Ğüşıİ Çay',0,0);"}));
    EXPECT_EQ(TestDatabase::scalar("SELECT CONCAT(posmenu,tur,index_sira) FROM groups.classb"),
              "1333999");
    ASSERT_EQ(m_data.readGroupA(), 1);
    ASSERT_EQ(m_data.readGroupB(), 1);
    ASSERT_EQ(m_data.readGroupC(), 1);
    EXPECT_EQ(m_data.allGroupA()[0].wideName, name);
    EXPECT_EQ(m_data.allGroupA()[0].name, name.toStdString());
    EXPECT_EQ(m_data.allGroupC()[0].wideName, name);
    EXPECT_EQ(m_data.allGroupC()[0].bWideName, name);
}

TEST_F(GroupDataTest, unsafeCharactersCannotLeaveTheLiteral) {
    ASSERT_EQ(m_data.insertGroupA(groupA(3331, QStringLiteral("Ali'nin \\ Köşe; Büfe"))), 3331);
    EXPECT_EQ(m_journal.texts().back(), "INSERT INTO classa(acode,groupname,posmenu,tur)VALUES("
                                        "3331,_utf8'Ali\\'nin   Köşe  Büfe',0,0);");
    ASSERT_EQ(m_data.readGroupA(), 1);
    const GroupA stored = m_data.allGroupA()[0];
    EXPECT_EQ(stored.wideName, QStringLiteral("Ali'nin   Köşe  Büfe"));

    // The name read back holds a quote; writing it again must stay safe.
    EXPECT_EQ(m_data.updateGroupA(stored), 3331);
    ASSERT_EQ(m_data.readGroupA(), 1);
    EXPECT_EQ(m_data.allGroupA()[0].wideName, stored.wideName);
    EXPECT_TRUE(m_boxes.shown().empty());
}

// A _utf8 literal refuses four-byte characters, and a NUL once ended the
// statement inside its literal.
TEST_F(GroupDataTest, emojiNamesGoAsUtf8mb4AndANulStaysInTheLiteral) {
    const QString emoji = QStringLiteral("Pizza \U0001F355");
    const QString withNul = QStringLiteral("Çay") + QChar(0) + QStringLiteral("'1");
    ASSERT_EQ(m_data.insertGroupA(groupA(3331, emoji)), 3331);
    ASSERT_EQ(m_data.insertGroupC(groupC(3331, 33312, 333122, withNul)), 333122);
    EXPECT_EQ(m_journal.texts(),
              (Texts{"INSERT INTO classa(acode,groupname,posmenu,tur)VALUES(3331,"
                     "_utf8mb4'Pizza \xF0\x9F\x8D\x95',0,0);",
                     std::string("INSERT INTO classc(acode,bcode,ccode,groupname,posmenu,tur)"
                                 "VALUES(3331,33312,333122,_utf8'Çay") +
                         '\0' + "\\'1',0,0);"}));
    ASSERT_EQ(m_data.readGroupA(), 1);
    ASSERT_EQ(m_data.readGroupC(), 1);
    EXPECT_EQ(m_data.allGroupA()[0].wideName, emoji);
    EXPECT_EQ(m_data.allGroupC()[0].wideName, withNul);
    GroupA renamed = m_data.allGroupA()[0];
    renamed.wideName = QStringLiteral("\U0001F600");
    EXPECT_EQ(m_data.updateGroupA(renamed), 3331);
    EXPECT_EQ(m_journal.texts().back(),
              "UPDATE classa  SET groupname=_utf8mb4'\xF0\x9F\x98\x80', posmenu=0, tur=0  "
              "WHERE classa.id=" +
                  std::to_string(renamed.Id) + " ;");
    EXPECT_EQ(TestDatabase::scalar("SELECT groupname FROM groups.classa"), "\xF0\x9F\x98\x80");
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(GroupDataTest, updatesAndDeletesGoByIdAndReturnTheCode) {
    TestDatabase::exec(
        "INSERT INTO groups.classa(Id,acode,groupname) VALUES(4,3331,'x');"
        "INSERT INTO groups.classb(Id,acode,bcode,groupname) VALUES(5,3331,33312,'y');"
        "INSERT INTO groups.classc(Id,acode,bcode,ccode,groupname) "
        "VALUES(6,3331,33312,333122,'z');");
    GroupA a = groupA(4441, QStringLiteral("Şurup"));
    a.Id = 4;
    a.posmenu = true;
    a.tur = kFinished;
    GroupB b = groupB(3332, 5, QStringLiteral("İçecek"));
    b.Id = 5;
    GroupC c = groupC(1111, 33313, 7, QStringLiteral("Soğuk"));
    c.Id = 6;
    EXPECT_EQ(m_data.updateGroupA(a), 4441);
    EXPECT_EQ(m_data.updateGroupB(b), 5);
    EXPECT_EQ(m_data.updateGroupC(c), 7);
    EXPECT_EQ(TestDatabase::query("SELECT acode,groupname,posmenu,tur FROM groups.classa"),
              (TestDatabase::Rows{{"3331", "Şurup", "1", "333"}}));
    EXPECT_EQ(TestDatabase::scalar("SELECT CONCAT(acode,'/',bcode) FROM groups.classb"),
              "3332/33312");
    EXPECT_EQ(TestDatabase::scalar("SELECT CONCAT(acode,'/',bcode,'/',ccode) FROM groups.classc"),
              "1111/33313/333122");
    EXPECT_EQ(m_data.deleteGroupA(a), 4441);
    EXPECT_EQ(m_data.deleteGroupB(b), 5);
    EXPECT_EQ(m_data.deleteGroupC(c), 7);
    EXPECT_EQ(TestDatabase::count("groups.classa") + TestDatabase::count("groups.classb") +
                  TestDatabase::count("groups.classc"),
              0);
    EXPECT_EQ(
        m_journal.texts(),
        (Texts{"UPDATE classa  SET groupname=_utf8'Şurup', posmenu=1, tur=333  WHERE "
               "classa.id=4 ;",
               "UPDATE classb SET acode=3332,groupname=_utf8'İçecek',posmenu=0,tur=0  "
               "WHERE classb.id=5 ;",
               "UPDATE classc SET acode=1111,bcode=33313,groupname=_utf8'Soğuk',posmenu=0,"
               "tur=0  WHERE classc.id=6 ;",
               "DELETE FROM classa  WHERE classa.id=4 ;", "DELETE FROM classb  WHERE classb.id=5 ;",
               "DELETE FROM classc  WHERE classc.id=6 ;"}));
    EXPECT_EQ(m_journal.entries()[0].schema, "groups");
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(GroupDataTest, colourWritesReplaceTheGroupsRow) {
    GroupB b = groupB(3331, 33312);
    b.backColour = records::rgb(200, 100, 50);
    b.fontColour = records::rgb(1, 2, 3);
    m_data.writeBackColour(b);
    m_data.writeFontColour(b);
    b.backColour = records::rgb(0, 255, 16);
    m_data.writeBackColour(b);
    EXPECT_EQ(m_journal.texts(),
              (Texts{"DELETE FROM backcolorb  WHERE backcolorb.grupcode=33312;",
                     "INSERT INTO backcolorb(grupcode,red,green,blue)VALUES(33312,200,100,50);",
                     "DELETE FROM fontcolorb  WHERE fontcolorb.grupcode=33312;",
                     "INSERT INTO fontcolorb(grupcode,red,green,blue)VALUES(33312,1,2,3);",
                     "DELETE FROM backcolorb  WHERE backcolorb.grupcode=33312;",
                     "INSERT INTO backcolorb(grupcode,red,green,blue)VALUES(33312,0,255,16);"}));
    EXPECT_EQ(TestDatabase::query("SELECT grupcode,red,green,blue FROM groups.backcolorb"),
              (TestDatabase::Rows{{"33312", "0", "255", "16"}}));
    EXPECT_EQ(TestDatabase::query("SELECT grupcode,red,green,blue FROM groups.fontcolorb"),
              (TestDatabase::Rows{{"33312", "1", "2", "3"}}));
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(GroupDataTest, linkedStockCountCountsTheLevelsStocks) {
    TestDatabase::exec("INSERT INTO stocks.stckdef(stcode,gra,grb,grc) VALUES"
                       "(1,3331,33312,333122),(2,3331,33312,0),(3,3331,33313,0),(4,1111,0,0);");
    EXPECT_EQ(m_data.linkedStockCount(3331, 1), 3);
    EXPECT_EQ(m_data.linkedStockCount(33312, 2), 2);
    EXPECT_EQ(m_data.linkedStockCount(333122, 3), 1);
    EXPECT_EQ(m_data.linkedStockCount(2221, 1), 0);
    ASSERT_EQ(m_journal.entries().size(), 4u);
    EXPECT_EQ(m_journal.entries()[1].schema, "stocks");
    EXPECT_EQ(m_journal.entries()[1].text, "SELECT * FROM stckdef WHERE stckdef.grb=33312;");

    m_journal.clear();
    EXPECT_EQ(m_data.linkedStockCount(3331, 4), -4);
    EXPECT_EQ(m_data.linkedStockCount(3331, 0), -4);
    EXPECT_TRUE(m_journal.entries().empty());
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(GroupDataTest, unreachableServerFailsEveryOperationUnderItsTag) {
    test::TestSettings unreachable({{"Server/ipno", "127.0.0.2"}});
    const db::DbConnection nowhere(unreachable);
    const db::StatementRunner runner(nowhere, m_boxes);
    GroupData data(runner);
    const GroupA a = groupA(3331);
    const GroupB b = groupB(3331, 33312);
    const GroupC c = groupC(3331, 33312, 333122);
    std::vector<GroupB> byId;
    const std::vector<int> results{data.readGroupA(),         data.readGroupB(),
                                   data.readGroupBById(byId), data.readGroupC(),
                                   data.insertGroupA(a),      data.insertGroupB(b),
                                   data.insertGroupC(c),      data.updateGroupA(a),
                                   data.updateGroupB(b),      data.updateGroupC(c),
                                   data.deleteGroupA(a),      data.deleteGroupB(b),
                                   data.deleteGroupC(c),      data.linkedStockCount(3331, 1)};
    data.writeBackColour(b);
    data.writeFontColour(b);
    EXPECT_EQ(results, std::vector<int>(results.size(), -1));
    EXPECT_EQ(m_boxes.captions(),
              (QStringList{"READ_GRUP_A_VECTOR", "READ_GRUP_B", "READ_GRUP_B", "READ_GRUP_C",
                           "INSERT_NEW_GRUP_A", "INSERT_NEW_GRUP_B", "INSERT_NEW_GRUP_C",
                           "UPDATE_GRUP_A", "UPDATE_GRUP_B", "UPDATE_GRUP_C", "DELETE_GRUP_A",
                           "DELETE_GRUP_B", "DELETE_GRUP_C", "if_Gruba_Bagli_STOK_VAR",
                           "DELETE FROM backcolorb", "INSERT INTO backcolorb",
                           "DELETE FROM fontcolorb", "INSERT INTO fontcolorb"}));
    for (size_t i = 0; i < m_boxes.shown().size(); ++i)
        EXPECT_EQ(m_boxes.shown()[i].icon, i < 4 ? BoxIcon::None : BoxIcon::Exclamation) << i;
}

// A window may show the list while it is read again: a failed read keeps
// the list there was rather than leave a cut or empty one.
TEST_F(GroupDataTest, failedReadKeepsTheListItHadAndDuplicateCodeFails) {
    TestDatabase::exec("INSERT INTO groups.classb(acode,bcode,groupname) VALUES(1,12,'x');");
    ASSERT_EQ(m_data.readGroupB(), 1);
    {
        const HiddenTable hidden("groups.classb");
        EXPECT_EQ(m_data.readGroupB(), -1);
    }
    ASSERT_EQ(m_data.allGroupB().size(), 1u);
    EXPECT_EQ(m_data.allGroupB()[0].bcode, 12);
    EXPECT_EQ(m_data.insertGroupB(groupB(1, 12)), -1);
    ASSERT_EQ(m_boxes.shown().size(), 2u);
    EXPECT_EQ(m_boxes.shown()[0].text, QStringLiteral("Table 'groups.classb' doesn't exist"));
    EXPECT_EQ(m_boxes.shown()[0].caption, QStringLiteral("READ_GRUP_B"));
    EXPECT_TRUE(m_boxes.shown()[1].text.startsWith(QStringLiteral("Duplicate entry '12'")));
    EXPECT_EQ(m_boxes.shown()[1].caption, QStringLiteral("INSERT_NEW_GRUP_B"));
    EXPECT_EQ(m_boxes.shown()[1].icon, BoxIcon::Exclamation);
}
