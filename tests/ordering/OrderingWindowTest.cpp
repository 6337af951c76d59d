#include "ModalDriver.h"
#include "OrderingFixture.h"
#include "app/OrderingFeatures.h"
#include "ordering/MenuOrderingWindow.h"
#include "ordering/ProductOrderingWindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <memory>

using namespace parvela;
using ordering::OrderingWindow;
using test::TestDatabase;
using Texts = std::vector<std::string>;

namespace {

QPoint centreOf(const records::Rect& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

QRect qRect(const records::Rect& r) {
    return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
}

// Drags a cell by the mouse from `from` to `to`, as the user does.
int placedCount(const ordering::OrderBoard& board) {
    int placed = 0;
    for (const ordering::OrderCell& cell : board.cells())
        placed += cell.placed ? 1 : 0;
    return placed;
}

void drag(QWidget* window, QPoint from, QPoint to) {
    QTest::mousePress(window, Qt::LeftButton, {}, from);
    QTest::mouseMove(window, (from + to) / 2);
    QTest::mouseMove(window, to);
    QTest::mouseRelease(window, Qt::LeftButton, {}, to);
}

class OrderingWindowTest : public test::OrderingTestBase {
protected:
    template <typename Window> std::unique_ptr<Window> opened(QWidget* window) {
        auto* typed = dynamic_cast<Window*>(window);
        EXPECT_NE(typed, nullptr);
        typed->setAttribute(Qt::WA_DeleteOnClose, false);
        return std::unique_ptr<Window>(typed);
    }
    stock::StockDefinition product(stock::StockCode code) {
        if (const stock::StockDefinition* p = m_catalog.current()->find(code))
            return *p;
        ADD_FAILURE() << "no product " << code;
        return {};
    }

    app::OrderingFeatures m_features{m_catalog, m_boxes};
};

} // namespace

TEST_F(OrderingWindowTest, MenuCellDraggedIntoTheColumnIsSaved) {
    auto window = opened<ordering::MenuOrderingWindow>(m_features.openMenuOrdering(nullptr));
    EXPECT_EQ(window->objectName(), QStringLiteral("mdiclient_menu_siralama"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Grup A Menu Sıralaması"));
    EXPECT_EQ(window->statusText(), QStringLiteral("Grup Sayisi : 5"));
    // Group 12 is the second cell of the first row.
    drag(window.get(), centreOf(window->board().cells()[1].rect), {760, 300});
    ASSERT_TRUE(window->board().cells()[1].placed);
    QTest::mouseMove(window.get(), {700, 60});
    EXPECT_EQ(window->statusText(), QStringLiteral("Grup Sayisi : 5     INDEX : 0"));
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, centreOf(OrderingWindow::kSaveButton));
    EXPECT_EQ(issued(), (Texts{test::kMenuOrderLock,
                               "UPDATE classb SET classb.index_sira=0 WHERE classb.bcode=12;"
                               "UPDATE classb SET classb.index_sira=10 WHERE classb.bcode=11;"
                               "UPDATE classb SET classb.index_sira=11 WHERE classb.bcode=13;"
                               "UPDATE classb SET classb.index_sira=12 WHERE classb.bcode=21;"
                               "UPDATE classb SET classb.index_sira=13 WHERE classb.bcode=22;",
                               "SELECT Id,acode,bcode,groupname,posmenu,tur,index_sira FROM "
                               "groups.classb ORDER BY index_sira;"}));
    EXPECT_EQ(TestDatabase::scalar("SELECT index_sira FROM groups.classb WHERE bcode=12;"), "0");
    // The main screen and the next ordering window show the saved order.
    EXPECT_EQ(m_catalog.groups().screenB().front().bcode, 12);
    EXPECT_EQ(m_catalog.groups().allGroupB().front().bcode, 12);
    // Reset: nothing placed, so the next save writes nothing.
    m_journal.clear();
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, centreOf(OrderingWindow::kResetButton));
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, centreOf(OrderingWindow::kSaveButton));
    EXPECT_TRUE(issued().empty());
}

// Past the fifteenth menu the column scrolls within its area: every cell
// drawn stays above the buttons, which keep taking their presses.
TEST_F(OrderingWindowTest, SixtyMenusOrderedOneByOneAndSaved) {
    for (int bcode = 101; bcode <= 155; ++bcode)
        test::addGroupB(1, bcode, "Menü " + std::to_string(bcode));
    m_catalog.groups().readGroupB();
    auto window = opened<ordering::MenuOrderingWindow>(m_features.openMenuOrdering(nullptr));
    const ordering::OrderBoard& board = window->board();
    ASSERT_EQ(board.cells().size(), 60u);
    const QRect aboveButtons(0, 0, OrderingWindow::kWidth, OrderingWindow::kSaveButton.top);
    std::vector<std::int64_t> order;
    for (int placed = 0; placed < 60; ++placed) {
        const auto next = std::find_if(board.cells().begin(), board.cells().end(),
                                       [](const ordering::OrderCell& c) { return !c.placed; });
        order.push_back(next->code);
        drag(window.get(), centreOf(next->rect), {760, 610});
        ASSERT_EQ(placedCount(board), placed + 1);
        for (const records::Rect& button :
             {OrderingWindow::kSaveButton, OrderingWindow::kResetButton}) {
            ASSERT_EQ(board.cellAt(centreOf(button).x(), centreOf(button).y()), -1) << placed;
        }
        for (std::size_t i = 0; i < board.cells().size(); ++i) {
            const bool fits = aboveButtons.contains(qRect(board.cells()[i].rect));
            ASSERT_TRUE(fits || !board.isShown(i)) << placed;
        }
    }
    // The last one dropped is in sight at the foot of the column; the bar
    // brings the first back to the top.
    QTest::mouseMove(window.get(), {760, 600});
    EXPECT_EQ(window->statusText(), QStringLiteral("Grup Sayisi : 60     INDEX : 59"));
    auto* bar = window->findChild<QScrollBar*>(QStringLiteral("columnScroll"));
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->isVisible());
    bar->setValue(bar->minimum());
    QTest::mouseMove(window.get(), {760, 60});
    EXPECT_EQ(window->statusText(), QStringLiteral("Grup Sayisi : 60     INDEX : 0"));

    QTest::mouseClick(window.get(), Qt::LeftButton, {}, centreOf(OrderingWindow::kSaveButton));
    EXPECT_EQ(m_boxes.texts(), QStringList{QStringLiteral("MENU_SIRASI kaydedildi.")});
    std::string expected;
    for (const std::int64_t code : order)
        expected += (expected.empty() ? "" : ",") + std::to_string(code);
    EXPECT_EQ(TestDatabase::scalar("SELECT GROUP_CONCAT(bcode ORDER BY index_sira) "
                                   "FROM groups.classb;"),
              expected);
}

TEST_F(OrderingWindowTest, MenuShowsTheGroupsOfTheSelectedGroupA) {
    for (groups::GroupA& group : m_catalog.groups().screenA())
        group.selected = group.acode == 2;
    auto window = opened<ordering::MenuOrderingWindow>(m_features.openMenuOrdering(nullptr));
    ASSERT_EQ(window->board().cells().size(), 2u);
    EXPECT_EQ(window->board().cells()[0].code, 21);
}

TEST_F(OrderingWindowTest, ProductsOfAGroupBDraggedAndSaved) {
    TestDatabase::exec("UPDATE stocks.stckdef SET gunmenu=IF(stcode=102,0,1);");
    m_catalog.readProducts();
    auto window = opened<ordering::ProductOrderingWindow>(m_features.openProductOrdering(nullptr));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("ÜRÜN Sıralaması"));
    auto* scope = window->findChild<QComboBox*>(QStringLiteral("scope"));
    ASSERT_NE(scope, nullptr);
    scope->setCurrentIndex(scope->findText(QStringLiteral("Grup B : Çorbalar")));
    ASSERT_TRUE(window->scope().grb.has_value());
    EXPECT_EQ(window->statusText(), QStringLiteral("Ürün Sayisi : 2"));
    // Mercimek (101) follows Ezogelin (102) in the list.
    ASSERT_EQ(window->board().cells()[1].code, 101);
    EXPECT_EQ(window->board().cells()[0].detail, QStringLiteral("X-Satışa Kapalı"));
    EXPECT_TRUE(window->board().cells()[1].detail.isEmpty());
    drag(window.get(), centreOf(window->board().cells()[1].rect), {800, 70});
    m_journal.clear();
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, centreOf(OrderingWindow::kSaveButton));
    EXPECT_EQ(issued(),
              (Texts{test::kProductOrderLock, "DELETE FROM stok_order WHERE grb=11;",
                     "INSERT INTO stok_order(stcode,grb,index_sira) VALUES(101,11,0);"
                     "INSERT INTO stok_order(stcode,grb,index_sira) VALUES(102,11,1000000);"}));
    EXPECT_EQ(TestDatabase::scalar("SELECT GROUP_CONCAT(stcode,':',index_sira ORDER BY index_sira) "
                                   "FROM stocks.stok_order WHERE grb=11;"),
              "101:0,102:1000000");
    EXPECT_EQ(m_boxes.texts(), QStringList{QStringLiteral("ÜRÜN_SIRASI kaydedildi.")});
}

TEST_F(OrderingWindowTest, OneProductOrderReplacesItsRowAndRereads) {
    TestDatabase::exec("INSERT INTO stocks.stok_order (stcode,gra,index_sira) VALUES (103,1,5);");
    test::ModalDriver driver([](QDialog& dialog) {
        dialog.findChild<QLineEdit*>(QStringLiteral("1227"))->setText(QStringLiteral("4"));
        dialog.findChild<QLineEdit*>(QStringLiteral("1251"))->setText(QStringLiteral("2"));
        dialog.findChild<QLineEdit*>(QStringLiteral("1250"))->setText(QStringLiteral("9"));
        dialog.findChild<QPushButton*>(QStringLiteral("1"))->click();
    });
    m_features.productOrder(product(103), nullptr);
    ASSERT_TRUE(driver.seen);
    const Texts texts = issued();
    ASSERT_GE(texts.size(), 4u);
    EXPECT_EQ(texts[0], test::kProductOrderLock);
    EXPECT_EQ(texts[1], "DELETE FROM stocks.stok_order WHERE stcode=103;");
    EXPECT_EQ(texts[2], "INSERT INTO stocks.stok_order ( stcode, gra ,grb, index_sira, sira_gra, "
                        "sira_grb) VALUES( 103,1,12,4,2,9 ) ;");
    EXPECT_EQ(texts[3], "SELECT Id,stcode,gra,grb,index_sira,sira_gra,sira_grb FROM stok_order ;");
    EXPECT_EQ(TestDatabase::count("stocks.stok_order"), 1);
    EXPECT_EQ(TestDatabase::scalar("SELECT CONCAT(gra,'/',grb,'/',index_sira,'/',sira_gra,'/',"
                                   "sira_grb) FROM stocks.stok_order WHERE stcode=103;"),
              "1/12/4/2/9");
    EXPECT_EQ(product(103).sira_grb, 9);
}

TEST_F(OrderingWindowTest, OneProductOrderRefusesBadNumbersAndCodeZero) {
    test::ModalDriver driver([](QDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), QStringLiteral("149"));
        dialog.findChild<QLineEdit*>(QStringLiteral("1250"))->setText(QStringLiteral("on iki"));
        dialog.findChild<QPushButton*>(QStringLiteral("1"))->click();
        dialog.findChild<QPushButton*>(QStringLiteral("2"))->click();
    });
    m_features.productOrder(product(101), nullptr);
    ASSERT_TRUE(driver.seen);
    EXPECT_TRUE(issued().empty());
    EXPECT_EQ(m_boxes.shown().size(), 1u);
    m_boxes.clear();
    m_features.productOrder(stock::StockDefinition{}, nullptr);
    EXPECT_EQ(m_boxes.texts(), QStringList{QStringLiteral(
                                   "Secilen stok kodu sifir veya herhangi bir stok secilmedi.")});
    EXPECT_EQ(m_boxes.captions(), QStringList{QStringLiteral("STOK SECILMEDI")});
}

namespace {

class OrderingPictureTest : public test::DatabaseTest {
protected:
    test::TestSettings m_settings;
    app::CatalogData m_catalog{m_settings, m_boxes};
};

} // namespace

// The demo restaurant's menus with three of them ordered, for the README.
TEST_F(OrderingPictureTest, MenuOrderingOfTheDemo) {
    test::loadDemoRestaurant();
    m_catalog.groups().readGroupA();
    m_catalog.groups().readGroupB();
    m_catalog.groups().resetScreenA();
    app::OrderingFeatures features{m_catalog, m_boxes};
    std::unique_ptr<QWidget> window(features.openMenuOrdering(nullptr));
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    auto* menu = dynamic_cast<ordering::MenuOrderingWindow*>(window.get());
    ASSERT_NE(menu, nullptr);
    ASSERT_GE(menu->board().cells().size(), 5u);
    for (int top : {90, 200, 300}) {
        const auto& cells = menu->board().cells();
        const auto unplaced = std::find_if(cells.begin(), cells.end(),
                                           [](const ordering::OrderCell& c) { return !c.placed; });
        drag(menu, centreOf(unplaced->rect), {800, top});
    }
    EXPECT_EQ(placedCount(menu->board()), 3);
    EXPECT_TRUE(window->grab().save(QStringLiteral("menu-ordering.png")));
}
