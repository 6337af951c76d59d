#include "CatalogFixtures.h"
#include "GroupDialogFixture.h"
#include "ModalDriver.h"
#include "groups/GroupDialogFlows.h"
#include "groups/GroupLookups.h"
#include "groups/GroupViews.h"
#include "groups/SetMenuDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

using namespace parvela;
using namespace parvela::groups;
using test::ModalDriver;
using test::TestDatabase;

namespace {

template <typename Widget> Widget* child(QWidget* parent, const char* id) {
    auto* found = parent->findChild<Widget*>(QString::fromLatin1(id));
    EXPECT_NE(found, nullptr) << id;
    return found;
}

void clickLine(QTreeWidget* view, int line) {
    QTreeWidgetItem* item = view->topLevelItem(line);
    ASSERT_NE(item, nullptr);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier,
                      view->visualItemRect(item).center());
}

class GroupDialogTest : public test::GroupDialogFixture {};

} // namespace

TEST_F(GroupDialogTest, addDialogStaysOpenForGroupAfterGroup) {
    readGroups();
    QStringList titles;
    ModalDriver driver([&](QDialog& dialog) {
        titles << dialog.objectName() << dialog.windowTitle();
        EXPECT_EQ(dialog.pos(), QPoint(10, 150));
        for (const char* name : {"Çorbalar", "Tatlılar", "Salatalar"}) {
            child<QLineEdit>(&dialog, "1000")->setText(QString::fromUtf8(name));
            child<QRadioButton>(&dialog, "1005")->click();
            child<QPushButton>(&dialog, "1")->click();
            // Emptied for the next group.
            EXPECT_TRUE(child<QLineEdit>(&dialog, "1000")->text().isEmpty());
            EXPECT_FALSE(child<QRadioButton>(&dialog, "1005")->isChecked());
        }
        child<QPushButton>(&dialog, "2")->click();
    });
    runAddGroupDialog(GroupLevel::A, m_context, nullptr);
    EXPECT_TRUE(driver.seen);
    EXPECT_EQ(titles, (QStringList{QStringLiteral("130"), QStringLiteral("Yeni Grup A ")}));
    EXPECT_EQ(TestDatabase::scalar("SELECT GROUP_CONCAT(acode ORDER BY acode) FROM "
                                   "`groups`.classa;"),
              "3331,3332,3333");
    EXPECT_EQ(m_redraws, 3);
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(GroupDialogTest, addGroupBWithNoGroupASelectedOpensNoDialog) {
    test::addGroupA(3331, "Yiyecekler");
    readGroups();
    ModalDriver driver([](QDialog& dialog) { dialog.reject(); });
    runAddGroupDialog(GroupLevel::B, m_context, nullptr);
    QTest::qWait(10);
    EXPECT_FALSE(driver.seen);
    ASSERT_EQ(m_boxes.shown().size(), 1u);
    EXPECT_EQ(m_boxes.captions()[0], QStringLiteral("ÜST KATEGORİ SEÇİLMEDİ"));
    EXPECT_EQ(TestDatabase::count("`groups`.classb"), 0);
}

TEST_F(GroupDialogTest, editedGroupBMovesUnderTheClickedGroupAWithItsColour) {
    test::addGroupA(3331, "Yiyecekler");
    test::addGroupA(3332, "İçecekler");
    test::addGroupB(3331, 33312, "Izgaralar");
    test::addProduct({1, "Adana", 3331, 33312});
    readGroups();
    selectOnly(m_data.screenB(), 0);
    LastGroupColours colours;
    ModalDriver driver([&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("POS MENÜ - GRUP B DÜZENLENİYOR"));
        EXPECT_EQ(child<QLineEdit>(&dialog, "1004")->text(), QStringLiteral("Izgaralar"));
        EXPECT_TRUE(child<QRadioButton>(&dialog, "1005")->isChecked());
        auto* groupsA = child<QTreeWidget>(&dialog, "1015");
        ASSERT_EQ(groupsA->topLevelItemCount(), 2);
        clickLine(groupsA, 0); // İçecekler, by name
        EXPECT_EQ(child<QLabel>(&dialog, "1006")->text(), QStringLiteral("3332"));
        EXPECT_EQ(child<QLabel>(&dialog, "1010")->text(), QStringLiteral("İçecekler"));
        ModalDriver colourDriver([](QDialog& colourDialog) {
            auto* picker = qobject_cast<QColorDialog*>(&colourDialog);
            ASSERT_NE(picker, nullptr);
            picker->setCurrentColor(QColor(10, 20, 30));
            picker->accept();
        });
        child<QPushButton>(&dialog, "1098")->click();
        EXPECT_TRUE(colourDriver.seen);
        EXPECT_EQ(child<QLabel>(&dialog, "1100")->palette().color(QPalette::Window),
                  QColor(10, 20, 30));
        EXPECT_TRUE(dialog.grab().save(QStringLiteral("group-b-edit.png")));
        child<QPushButton>(&dialog, "1")->click();
    });
    runEditGroupDialog(GroupLevel::B, m_context, colours, nullptr);
    EXPECT_TRUE(driver.seen);
    EXPECT_EQ(TestDatabase::scalar("SELECT acode FROM `groups`.classb;"), "3332");
    EXPECT_EQ(TestDatabase::scalar("SELECT gra FROM stocks.stckdef;"), "3332");
    EXPECT_EQ(TestDatabase::scalar("SELECT CONCAT(grupcode,',',red,',',green,',',blue) FROM "
                                   "`groups`.backcolorb;"),
              "33312,10,20,30");
    EXPECT_EQ(TestDatabase::count("`groups`.fontcolorb"), 0);
    EXPECT_EQ(colours.back, records::rgb(10, 20, 30));
    EXPECT_EQ(m_productReads, 1);
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(GroupDialogTest, editedGroupCTakesTheClickedGroupBAndClosesAfterTheSave) {
    test::addGroupA(3331, "Yiyecekler");
    test::addGroupA(3332, "İçecekler");
    test::addGroupB(3331, 33312, "Izgaralar", 1);
    test::addGroupB(3332, 33322, "Soğuklar", 2);
    test::addGroupC(3331, 33312, 333122, "Şişler");
    test::addProduct({1, "Adana", 3331, 33312, 333122});
    readGroups();
    selectOnly(m_data.screenC(), 0);
    LastGroupColours colours;
    ModalDriver driver([&](QDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), QStringLiteral("132"));
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("ALT MENÜ - GRUP C DÜZENLENİYOR"));
        EXPECT_TRUE(child<QRadioButton>(&dialog, "1021")->isChecked());
        EXPECT_EQ(child<QLabel>(&dialog, "1009")->text(), QStringLiteral("33312"));
        auto* groupsB = child<QTreeWidget>(&dialog, "1025");
        ASSERT_EQ(groupsB->topLevelItemCount(), 2);
        clickLine(groupsB, 1);
        EXPECT_EQ(child<QLabel>(&dialog, "1012")->text(), QStringLiteral("Soğuklar"));
        child<QLineEdit>(&dialog, "1007")->clear();
        child<QPushButton>(&dialog, "1")->click();
        EXPECT_TRUE(dialog.isVisible()); // the empty name was refused
        child<QLineEdit>(&dialog, "1007")->setText(QStringLiteral("Şiş"));
        child<QPushButton>(&dialog, "1")->click();
        EXPECT_FALSE(dialog.isVisible());
    });
    runEditGroupDialog(GroupLevel::C, m_context, colours, nullptr);
    EXPECT_TRUE(driver.seen);
    EXPECT_EQ(m_boxes.captions(), QStringList{QStringLiteral("CLASS C GRUP ADI")});
    EXPECT_EQ(TestDatabase::scalar("SELECT CONCAT(acode,',',bcode,',',groupname) FROM "
                                   "`groups`.classc;"),
              "3332,33322,Şiş");
    EXPECT_EQ(TestDatabase::scalar("SELECT CONCAT(gra,',',grb) FROM stocks.stckdef;"),
              "3332,33322");
}

TEST_F(GroupDialogTest, setMenuDialogListsTillPagesAndWritesAtOnce) {
    test::addGroupA(3331, "Yiyecekler");
    test::addGroupB(3331, 33312, "Çorbalar", 1);
    test::addGroupB(3331, 33313, "Mutfak İçi", 2);
    test::addGroupB(3331, 33314, "Tatlılar", 3);
    TestDatabase::exec("UPDATE `groups`.classb SET posmenu=0 WHERE bcode=33313;"
                       "INSERT INTO tabledot.uckap_2(posmenu) VALUES(33313);"
                       "INSERT INTO tabledot.uckap_3(posmenu) VALUES(33312);");
    readGroups();
    SetMenuDialog dialog(3, m_runner, m_data.allGroupB(), m_boxes, nullptr);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("TABLEDOT_UC"));
    EXPECT_EQ(child<QLineEdit>(&dialog, "1252")->text(), QStringLiteral("0,00"));
    auto* second = child<QTreeWidget>(&dialog, "2111");
    ASSERT_EQ(second->topLevelItemCount(), 2);
    EXPECT_EQ(second->topLevelItem(1)->text(3), QStringLiteral("Tatlılar"));

    child<QPushButton>(&dialog, "1158")->click(); // nothing selected
    EXPECT_EQ(TestDatabase::count("tabledot.uckap_2"), 1);

    second->topLevelItem(1)->setSelected(true);
    child<QPushButton>(&dialog, "1158")->click();
    EXPECT_EQ(TestDatabase::scalar("SELECT GROUP_CONCAT(posmenu ORDER BY id) FROM "
                                   "tabledot.uckap_2;"),
              "33313,33314");
    second = child<QTreeWidget>(&dialog, "2111");
    EXPECT_EQ(second->topLevelItem(0)->text(0), QString());
    EXPECT_EQ(second->topLevelItem(1)->text(0), QStringLiteral("X"));

    auto* third = child<QTreeWidget>(&dialog, "2112");
    EXPECT_EQ(third->topLevelItem(0)->text(0), QStringLiteral("X"));
    child<QPushButton>(&dialog, "1155")->click();
    EXPECT_EQ(TestDatabase::count("tabledot.uckap_3"), 0);
    EXPECT_EQ(TestDatabase::count("tabledot.uckap_2"), 2);
    EXPECT_EQ(third->topLevelItem(0)->text(0), QString());

    child<QLineEdit>(&dialog, "1252")->setText(QStringLiteral("125,5"));
    child<QPushButton>(&dialog, "1161")->click();
    EXPECT_EQ(TestDatabase::scalar("SELECT fiyat FROM tabledot.tabledot_uc_fiyat;"), "125.50");
    EXPECT_EQ(child<QLineEdit>(&dialog, "1252")->text(), QStringLiteral("125,50"));
    EXPECT_TRUE(m_boxes.shown().empty());
    EXPECT_TRUE(dialog.grab().save(QStringLiteral("set-menu-3.png")));
}

TEST_F(GroupDialogTest, fourCourseDialogNumbersItsOwnButtons) {
    readGroups();
    SetMenuDialog dialog(4, m_runner, m_data.allGroupB(), m_boxes, nullptr);
    EXPECT_EQ(dialog.objectName(), QStringLiteral("151"));
    EXPECT_EQ(child<QPushButton>(&dialog, "1156")->text(), QStringLiteral("Sil 4"));
    EXPECT_EQ(child<QPushButton>(&dialog, "1160")->text(), QStringLiteral("Kaydet 4"));
    EXPECT_NE(dialog.findChild<QTreeWidget*>(QStringLiteral("2113")), nullptr);
    EXPECT_NE(dialog.findChild<QLineEdit*>(QStringLiteral("1164")), nullptr);
}

TEST(GroupViews, fillCombosAndListViewsInListOrder) {
    std::vector<GroupA> list(2);
    list[0].Id = 7;
    list[0].acode = 3331;
    list[0].wideName = QStringLiteral("Yiyecekler");
    list[1].wideName = QStringLiteral("İçecekler");
    QComboBox combo;
    combo.addItem(QStringLiteral("eski"));
    EXPECT_EQ(fillGroupCombo(combo, list), 2);
    EXPECT_EQ(combo.itemText(1), QStringLiteral("İçecekler"));
    QTreeWidget view;
    fillGroupAListView(view, list);
    fillGroupAListView(view, list);
    ASSERT_EQ(view.topLevelItemCount(), 2);
    EXPECT_EQ(view.topLevelItem(0)->text(0), QStringLiteral("7"));
    EXPECT_EQ(codeOfLine(view, 0), 3331);
    EXPECT_EQ(codeOfLine(view, 5), -1);
}
