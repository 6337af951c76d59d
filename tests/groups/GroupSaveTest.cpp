#include "groups/GroupSave.h"

#include "CatalogFixtures.h"
#include "GroupDialogFixture.h"
#include "RefusingTrigger.h"
#include "groups/GroupLookups.h"
#include "groups/StockType.h"

#include <QStringList>
#include <functional>

using namespace parvela;
using namespace parvela::groups;
using platform::BoxIcon;
using test::TestDatabase;
using Texts = std::vector<std::string>;

namespace {

class GroupSaveTest : public test::GroupDialogFixture {
protected:
    void expectBox(std::size_t index, const char* text, const char* caption, BoxIcon icon) {
        ASSERT_LT(index, m_boxes.shown().size());
        const platform::BoxRequest& box = m_boxes.shown()[index];
        EXPECT_EQ(box.text, QString::fromUtf8(text));
        EXPECT_EQ(box.caption, QString::fromUtf8(caption));
        EXPECT_EQ(box.icon, icon);
    }

    std::string column(const std::string& select) { return TestDatabase::scalar(select); }
};

// Two Group A, a Group B under each, a Group C under the first B, and
// products filed at every level.
void plantTree() {
    test::addGroupA(3331, "Yiyecekler");
    test::addGroupA(3332, "İçecekler");
    test::addGroupB(3331, 33312, "Izgaralar", 1);
    test::addGroupB(3332, 33322, "Soğuklar", 2);
    test::addGroupC(3331, 33312, 333122, "Şişler");
    test::addProduct({1, "Adana", 3331, 33312, 333122});
    test::addProduct({2, "Pirzola", 3331, 33312, 0});
    test::addProduct({3, "Ayran", 3332, 33322, 0});
}

} // namespace

TEST_F(GroupSaveTest, threeNewGroupsOfATypeTakeConsecutiveCodes) {
    readGroups();
    for (const char* name : {"Çorbalar", "Tatlılar", "Kuzu'nun Etleri"})
        EXPECT_TRUE(saveNewGroupA(m_context, form(QString::fromUtf8(name), {kFinished}, {}, true)));
    EXPECT_TRUE(m_boxes.shown().empty());
    EXPECT_EQ(m_journal.texts()[0], "INSERT INTO classa(acode,groupname,posmenu,tur)VALUES("
                                    "3331,_utf8'Çorbalar',1,333);");
    EXPECT_EQ(m_journal.texts()[1],
              "SELECT Id,acode,groupname,posmenu,tur FROM groups.classa ORDER by groupname;");
    EXPECT_EQ(column("SELECT GROUP_CONCAT(acode ORDER BY acode) FROM `groups`.classa;"),
              "3331,3332,3333");
    EXPECT_EQ(column("SELECT groupname FROM `groups`.classa WHERE acode=3333;"), "Kuzu'nun Etleri");
    EXPECT_EQ(m_data.screenA().size(), 3u);
    EXPECT_EQ(m_redraws, 3);
}

TEST_F(GroupSaveTest, groupANeedsANameAndAType) {
    readGroups();
    EXPECT_FALSE(saveNewGroupA(m_context, form(QString(), {kFinished})));
    // Blanks, or only characters the cleaning takes out, are no name either.
    EXPECT_FALSE(saveNewGroupA(m_context, form(QStringLiteral("  "), {kFinished})));
    EXPECT_FALSE(saveNewGroupA(m_context, form(QStringLiteral("?!/"), {kFinished})));
    EXPECT_FALSE(saveNewGroupA(m_context, form(QStringLiteral("Çorbalar"))));
    ASSERT_EQ(m_boxes.shown().size(), 4u);
    for (std::size_t i = 0; i < 3; ++i)
        expectBox(i, "Tanımlanacak grup adı boş bırakıldı..!", "CLASS A GRUP ADI",
                  BoxIcon::Exclamation);
    expectBox(3, "Grubun türü belirtilmedi..!", "CLASS A GRUP TÜRÜ", BoxIcon::Question);
    EXPECT_TRUE(m_journal.texts().empty());
    EXPECT_EQ(TestDatabase::count("`groups`.classa"), 0);
    EXPECT_EQ(m_redraws, 0);
}

TEST_F(GroupSaveTest, groupBWithoutATypeTakesItsGroupAsTypeAndPosmenu) {
    test::addGroupA(1111, "Sebze", 111);
    readGroups();
    selectOnly(m_data.screenA(), 0);
    const std::optional<GroupA> parent = parentForNewGroupB(m_context);
    ASSERT_TRUE(parent);
    EXPECT_TRUE(saveNewGroupB(m_context, form(QStringLiteral("Yeşillik"), {}, "1111"), *parent));
    EXPECT_TRUE(
        saveNewGroupB(m_context, form(QStringLiteral("Kök"), {kFinished}, "1111"), *parent));
    EXPECT_EQ(m_journal.texts()[0], "INSERT INTO classb(acode,bcode,groupname,posmenu,tur)VALUES("
                                    "1111,11112,_utf8'Yeşillik',1,111);");
    EXPECT_EQ(column("SELECT tur FROM `groups`.classb WHERE bcode=11113;"), "333");
    ASSERT_EQ(m_data.screenB().size(), 2u);
    EXPECT_EQ(m_data.screenB()[0].parentWideName, QStringLiteral("Sebze"));
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(GroupSaveTest, noParentSelectedIsSaidBeforeAnyDialog) {
    plantTree();
    readGroups();
    EXPECT_FALSE(parentForNewGroupB(m_context));
    EXPECT_FALSE(parentForNewGroupC(m_context));
    EXPECT_FALSE(groupToEdit<GroupA>(m_context));
    EXPECT_FALSE(groupToEdit<GroupC>(m_context));
    expectBox(0, "Bir A grubu seçilmedi.!\nBu grubun bağlı olacağı bir üst kategori seçiniz.",
              "ÜST KATEGORİ SEÇİLMEDİ", BoxIcon::Question);
    expectBox(1, "Bir B grubu seçilmedi.!\nBu grubun bağlı olacağı bir kategori seçiniz.",
              "POSMENU - KATEGORİ SEÇİLMEDİ", BoxIcon::Question);
    expectBox(2, "Grup seçilmedi", "GRUP SECILMEDI", BoxIcon::None);
    expectBox(3, "Grup seçilmedi", "GRUP SECILMEDI", BoxIcon::None);
    EXPECT_TRUE(m_journal.texts().empty());
}

TEST_F(GroupSaveTest, newGroupCGoesUnderItsBAndThatBsA) {
    plantTree();
    readGroups();
    selectOnly(m_data.screenB(), 0); // Izgaralar
    const std::optional<GroupB> parent = parentForNewGroupC(m_context);
    ASSERT_TRUE(parent);
    EXPECT_FALSE(saveNewGroupC(m_context, form(QString(), {}, "33312"), *parent));
    expectBox(0, "Tanımlanacak grup adı boş bırakıldı..!", "CLASS B GRUP ADI",
              BoxIcon::Exclamation);
    EXPECT_TRUE(saveNewGroupC(m_context, form(QStringLiteral("Kanat"), {}, "33312"), *parent));
    // 333122 is taken already.
    EXPECT_EQ(m_journal.texts()[0],
              "INSERT INTO classc(acode,bcode,ccode,groupname,posmenu,tur)VALUES("
              "3331,33312,333123,_utf8'Kanat',1,333);");
    ASSERT_EQ(m_data.screenC().size(), 2u);
    EXPECT_EQ(m_redraws, 1);
}

TEST_F(GroupSaveTest, aCodeThatCannotBeFormedIsSaidAndNothingIsStored) {
    test::addGroupA(999999999, "Uzun", 333);
    readGroups();
    selectOnly(m_data.screenA(), 0);
    const std::optional<GroupA> parent = parentForNewGroupB(m_context);
    ASSERT_TRUE(parent);
    EXPECT_FALSE(saveNewGroupB(m_context, form(QStringLiteral("Taşan"), {}, "999999999"), *parent));
    expectBox(0, "Gruba kod atanamadı..!", "CLASS B GRUP KODU", BoxIcon::Exclamation);
    EXPECT_TRUE(m_journal.texts().empty());
}

TEST_F(GroupSaveTest, movingAGroupBMovesItsProductsInTheSameSave) {
    plantTree();
    readGroups();
    const GroupB edited = m_data.allGroupB()[0];
    ASSERT_EQ(edited.bcode, 33312);
    ChosenColours colours;
    colours.back = records::rgb(10, 20, 30);
    EXPECT_TRUE(saveEditedGroupB(m_context, form(QStringLiteral("Izgara"), {kFinished}, "3332"),
                                 edited, colours));
    const Texts texts = m_journal.texts();
    ASSERT_GE(texts.size(), 7u);
    // The products it takes along are named first, for the change journal.
    EXPECT_EQ(texts[0], "SELECT stcode FROM stocks.stckdef WHERE grb=33312;");
    EXPECT_EQ(texts[1], "UPDATE classb SET acode=3332,groupname=_utf8'Izgara',posmenu=1,tur=333  "
                        "WHERE classb.id=" +
                            std::to_string(edited.Id) + " ;");
    EXPECT_EQ(texts[2], "UPDATE stocks.stckdef SET gra=3332 WHERE grb=33312;");
    EXPECT_EQ(texts[3], "UPDATE classc SET acode=3332 WHERE bcode=33312;");
    EXPECT_EQ(texts[4], "DELETE FROM backcolorb  WHERE backcolorb.grupcode=33312;");
    EXPECT_EQ(texts[5], "INSERT INTO backcolorb(grupcode,red,green,blue)VALUES(33312,10,20,30);");
    // The font colour was not chosen: the tills keep theirs.
    EXPECT_EQ(texts[6], "SELECT Id,acode,bcode,groupname,posmenu,tur,index_sira FROM "
                        "groups.classb ORDER BY index_sira;");
    EXPECT_EQ(column("SELECT GROUP_CONCAT(gra ORDER BY stcode) FROM stocks.stckdef;"),
              "3332,3332,3332");
    EXPECT_EQ(column("SELECT acode FROM `groups`.classb WHERE bcode=33312;"), "3332");
    // Its sub-menu follows it, in the lists too.
    EXPECT_EQ(column("SELECT acode FROM `groups`.classc WHERE bcode=33312;"), "3332");
    EXPECT_EQ(m_data.allGroupC()[0].acode, 3332);
    EXPECT_EQ(m_productReads, 1);
    ASSERT_EQ(m_data.screenB().size(), 2u); // the B groups of 3332
    EXPECT_EQ(m_data.screenB()[0].acode, 3332);
    // The main screen selects the A it now lies under, and the B itself.
    const GroupA* selectedA = selectedOf(m_data.screenA());
    ASSERT_NE(selectedA, nullptr);
    EXPECT_EQ(selectedA->acode, 3332);
    const GroupB* selectedB = selectedOf(m_data.screenB());
    ASSERT_NE(selectedB, nullptr);
    EXPECT_EQ(selectedB->bcode, 33312);
    EXPECT_EQ(m_redraws, 1);
}

TEST_F(GroupSaveTest, aGroupBThatCouldNotBeMovedKeepsItsProducts) {
    plantTree();
    readGroups();
    const GroupB edited = m_data.allGroupB()[0];
    TestDatabase::exec("RENAME TABLE `groups`.classb TO `groups`.classb_away;");
    const bool closed = saveEditedGroupB(
        m_context, form(QStringLiteral("Izgara"), {kFinished}, "3332"), edited, {});
    TestDatabase::exec("RENAME TABLE `groups`.classb_away TO `groups`.classb;");
    // The dialog stays open with what was typed, over lists read again.
    EXPECT_FALSE(closed);
    EXPECT_EQ(m_boxes.captions(),
              (QStringList{QStringLiteral("UPDATE_GRUP_B"), QStringLiteral("READ_GRUP_B")}));
    EXPECT_EQ(column("SELECT GROUP_CONCAT(gra ORDER BY stcode) FROM stocks.stckdef;"),
              "3331,3331,3332");
    EXPECT_EQ(m_productReads, 1);
    EXPECT_EQ(m_redraws, 1);
}

TEST_F(GroupSaveTest, aRefusedNewGroupKeepsTheDialogAsTyped) {
    plantTree();
    readGroups();
    TestDatabase::exec("RENAME TABLE `groups`.classa TO `groups`.classa_away;");
    const bool saved = saveNewGroupA(m_context, form(QStringLiteral("Kahvaltı"), {kFinished}));
    TestDatabase::exec("RENAME TABLE `groups`.classa_away TO `groups`.classa;");
    EXPECT_FALSE(saved);
    EXPECT_EQ(m_boxes.captions().front(), QStringLiteral("INSERT_NEW_GRUP_A"));
    EXPECT_EQ(m_redraws, 1);
}

TEST_F(GroupSaveTest, aGroupCMovedUnderAnotherBTakesThatBsGroupA) {
    plantTree();
    readGroups();
    const GroupC edited = m_data.allGroupC()[0];
    EXPECT_TRUE(
        saveEditedGroupC(m_context, form(QStringLiteral("Şiş"), {kFinished}, "33322"), edited));
    const Texts texts = m_journal.texts();
    ASSERT_GE(texts.size(), 3u);
    EXPECT_EQ(texts[0], "SELECT stcode FROM stocks.stckdef WHERE grc=333122;");
    EXPECT_EQ(texts[1], "UPDATE classc SET acode=3332,bcode=33322,groupname=_utf8'Şiş',posmenu=1,"
                        "tur=333  WHERE classc.id=" +
                            std::to_string(edited.Id) + " ;");
    EXPECT_EQ(texts[2], "UPDATE stocks.stckdef SET gra=3332,grb=33322 WHERE grc=333122;");
    EXPECT_EQ(column("SELECT CONCAT(acode,',',bcode) FROM `groups`.classc;"), "3332,33322");
    EXPECT_EQ(column("SELECT CONCAT(gra,',',grb) FROM stocks.stckdef WHERE stcode=1;"),
              "3332,33322");
    EXPECT_EQ(column("SELECT CONCAT(gra,',',grb) FROM stocks.stckdef WHERE stcode=2;"),
              "3331,33312");
    ASSERT_EQ(m_data.screenC().size(), 1u);
    EXPECT_EQ(m_data.screenC()[0].bWideName, QStringLiteral("Soğuklar"));
    EXPECT_EQ(m_productReads, 1);
}

TEST_F(GroupSaveTest, editsRefuseAnEmptyNameOrCodeAndIssueNothing) {
    plantTree();
    TestDatabase::exec("UPDATE `groups`.classa SET tur=0 WHERE acode=3332;");
    readGroups();
    const GroupA untyped = m_data.allGroupA()[0]; // İçecekler, no type
    ASSERT_EQ(untyped.acode, 3332);
    EXPECT_FALSE(saveEditedGroupA(m_context, form(QStringLiteral("İçki"), {}, "3332"), untyped));
    EXPECT_FALSE(
        saveEditedGroupA(m_context, form(QStringLiteral("İçki"), {kFinished}, "0"), untyped));
    EXPECT_FALSE(
        saveEditedGroupB(m_context, form(QString(), {}, "3331"), m_data.allGroupB()[0], {}));
    EXPECT_FALSE(saveEditedGroupB(m_context, form(QStringLiteral("Izgara"), {}, "0"),
                                  m_data.allGroupB()[0], {}));
    EXPECT_FALSE(saveEditedGroupC(m_context, form(QString(), {}, "33312"), m_data.allGroupC()[0]));
    EXPECT_FALSE(
        saveEditedGroupC(m_context, form(QStringLiteral("Şiş"), {}, "0"), m_data.allGroupC()[0]));
    expectBox(0, "Grubun türü belirtilmedi..!", "CLASS A GRUP TÜRÜ", BoxIcon::Question);
    expectBox(1, "Gruba kod atanamadı..!\nslctd_Grup_A_OBJ.code <= 0", "CLASS A GRUP KODU",
              BoxIcon::Exclamation);
    expectBox(2, "üzenlenecek grup adı boş bırakıldı..!", "CLASS B GRUP ADI", BoxIcon::Exclamation);
    expectBox(3, "Grup kodu sıfır..!", "CLASS B GRUP KODU", BoxIcon::Exclamation);
    expectBox(4, "Düzenlenecek grup adı boş bırakıldı..!", "CLASS C GRUP ADI",
              BoxIcon::Exclamation);
    expectBox(5, "Grup kodu sıfır..!", "CLASS C GRUP KODU", BoxIcon::Exclamation);
    EXPECT_TRUE(m_journal.texts().empty());
    EXPECT_EQ(m_redraws, 0);
}

TEST_F(GroupSaveTest, editedGroupAKeepsItsTypeAndCode) {
    plantTree();
    readGroups();
    const GroupA edited = m_data.allGroupA()[1]; // Yiyecekler
    EXPECT_TRUE(saveEditedGroupA(m_context, form(QStringLiteral("Yemekler"), {}, "3331"), edited));
    EXPECT_EQ(m_journal.texts()[0],
              "UPDATE classa  SET groupname=_utf8'Yemekler', posmenu=0, tur=333  WHERE classa.id=" +
                  std::to_string(edited.Id) + " ;");
    EXPECT_EQ(column("SELECT CONCAT(acode,',',tur) FROM `groups`.classa WHERE groupname="
                     "'Yemekler';"),
              "3331,333");
    EXPECT_EQ(m_redraws, 1);
}

// A group edit moves the group, its products and a B's colours in one
// change: a failure injected at each statement leaves every row as it was.
TEST_F(GroupSaveTest, aFailureAtAnyStatementOfAGroupEditLeavesEveryRowAsItWas) {
    plantTree();
    TestDatabase::exec("INSERT INTO `groups`.backcolorb(grupcode,red,green,blue) "
                       "VALUES(33312,1,2,3);");
    readGroups();
    const auto moveB = [this] {
        ChosenColours colours;
        colours.back = records::rgb(10, 20, 30);
        colours.font = records::rgb(40, 50, 60);
        EXPECT_FALSE(saveEditedGroupB(m_context,
                                      form(QStringLiteral("Izgara"), {kFinished}, "3332"),
                                      m_data.allGroupB()[0], colours));
    };
    const auto moveC = [this] {
        EXPECT_FALSE(saveEditedGroupC(m_context, form(QStringLiteral("Şiş"), {kFinished}, "33322"),
                                      m_data.allGroupC()[0]));
    };
    const std::vector<test::Refusal> cases = {
        {moveB, "BEFORE UPDATE ON `groups`.classb", "1", {QStringLiteral("UPDATE_GRUP_B")}},
        {moveB,
         "BEFORE UPDATE ON stocks.stckdef",
         "NEW.stcode=2",
         {QStringLiteral("UPDATE_STOK_GRUP_A")}},
        {moveB, "BEFORE UPDATE ON `groups`.classc", "1", {QStringLiteral("UPDATE_GRUP_C_ACODE")}},
        {moveB,
         "BEFORE DELETE ON `groups`.backcolorb",
         "1",
         {QStringLiteral("DELETE FROM backcolorb")}},
        {moveB,
         "BEFORE INSERT ON `groups`.backcolorb",
         "1",
         {QStringLiteral("INSERT INTO backcolorb")}},
        {moveB,
         "BEFORE INSERT ON `groups`.fontcolorb",
         "1",
         {QStringLiteral("INSERT INTO fontcolorb")}},
        {moveC, "BEFORE UPDATE ON `groups`.classc", "1", {QStringLiteral("UPDATE_GRUP_C")}},
        {moveC, "BEFORE UPDATE ON stocks.stckdef", "1", {QStringLiteral("UPDATE_STOK_GRUP_A_B")}},
    };
    const std::string everyRow =
        "SELECT stcode,gra,grb,grc FROM stocks.stckdef UNION ALL SELECT bcode,acode,tur,posmenu "
        "FROM `groups`.classb UNION ALL SELECT ccode,acode,bcode,tur FROM `groups`.classc "
        "UNION ALL SELECT grupcode,red,green,blue FROM `groups`.backcolorb UNION ALL SELECT "
        "grupcode,red,green,blue FROM `groups`.fontcolorb ORDER BY 1,2,3,4;";
    test::expectRefusalsChangeNothing(cases, everyRow, m_boxes, [this] { readGroups(); });
}
