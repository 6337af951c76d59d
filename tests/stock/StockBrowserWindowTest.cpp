#include "stock/StockBrowserWindow.h"

#include "BrowserFixture.h"
#include "CatalogFixtures.h"
#include "platform/WindowMessages.h"
#include "stock/ProductFilters.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

using namespace parvela;

namespace {

constexpr int kYiyecekler = 3331;

class StockBrowserWindowTest : public test::DatabaseTest {
protected:
    // The browser opened on the demo restaurant's Group A "Yiyecekler", as
    // its "Ürünler" button opens it.
    void SetUp() override {
        DatabaseTest::SetUp();
        test::loadDemoRestaurant();
        test::readCatalog(m_catalog);
        stock::showGroup(m_catalog.browser(), m_catalog.stock().products, kYiyecekler, 0, 0);
        m_window = new stock::StockBrowserWindow(m_catalog, m_boxes, m_windows, &m_owner);
        m_window->show();
        m_window->grab();
    }

    template <typename Control> Control& control(const char* id) {
        auto* found = m_window->findChild<Control*>(QString::fromLatin1(id));
        EXPECT_NE(found, nullptr) << id;
        return *found;
    }
    stock::StockBrowserState& browser() { return m_catalog.browser(); }
    void click(QPoint point, Qt::KeyboardModifiers keys = Qt::NoModifier) {
        QTest::mouseClick(m_window, Qt::LeftButton, keys, point);
        m_window->grab();
    }
    bool allOfGroup() {
        return std::all_of(browser().displayed.begin(), browser().displayed.end(),
                           [](const stock::StockDefinition& p) { return p.gra == kYiyecekler; });
    }

    test::TestSettings m_settings;
    app::CatalogData m_catalog{m_settings, m_boxes};
    test::OpenedWindows m_windows;
    QWidget m_owner;
    stock::StockBrowserWindow* m_window = nullptr;
};

} // namespace

TEST_F(StockBrowserWindowTest, opensWithItsControlsAndTheGroupsProducts) {
    EXPECT_EQ(m_window->objectName(), QStringLiteral("mdiclient"));
    EXPECT_EQ(m_window->size(), QSize(1024, 720));
    EXPECT_EQ(control<QLineEdit>("9040").geometry(), QRect(400, 634, 125, 24));
    EXPECT_EQ(control<QLineEdit>("9046").geometry(), QRect(400, 661, 125, 24));
    EXPECT_EQ(control<QCheckBox>("9048").geometry(), QRect(375, 9, 20, 27));
    EXPECT_TRUE(control<QCheckBox>("9044").isChecked());
    EXPECT_FALSE(control<QCheckBox>("9043").isChecked());
    EXPECT_FALSE(browser().displayed.empty());
    EXPECT_TRUE(allOfGroup());
    EXPECT_GT(browser().drawnCount, 0u);
}

TEST_F(StockBrowserWindowTest, typedSearchPickedRowAndScreenshot) {
    const std::size_t groupSize = browser().displayed.size();
    QTest::keyClicks(&control<QLineEdit>("9040"), QStringLiteral("k"));
    EXPECT_EQ(browser().displayed.size(), groupSize);
    QTest::keyClicks(&control<QLineEdit>("9040"), QStringLiteral("e"));
    ASSERT_FALSE(browser().displayed.empty());
    EXPECT_LT(browser().displayed.size(), m_catalog.stock().products.size());
    m_window->grab();

    // A product with a recipe, so that the detail panel has lines to show.
    const auto& rows = browser().displayed;
    const auto withRecipe = std::find_if(
        rows.begin(), rows.end(), [](const stock::StockDefinition& p) { return p.hasRecipe; });
    ASSERT_NE(withRecipe, rows.end());
    click({350, test::centreOf(withRecipe->view.rowRect).y()});
    EXPECT_EQ(m_catalog.currentProduct().stcode, withRecipe->stcode);
    EXPECT_TRUE(withRecipe->view.highlighted);

    QTest::mouseClick(&control<QCheckBox>("9043"), Qt::LeftButton);
    EXPECT_TRUE(browser().showRecipes);
    m_window->grab();
    EXPECT_FALSE(browser().panelLines.empty());
    EXPECT_TRUE(m_window->grab().save(QStringLiteral("stock-browser.png")));
}

TEST_F(StockBrowserWindowTest, platformBoxesUncheckEachOther) {
    QTest::mouseClick(&control<QCheckBox>("9048"), Qt::LeftButton);
    QTest::mouseClick(&control<QCheckBox>("9047"), Qt::LeftButton);
    EXPECT_FALSE(control<QCheckBox>("9048").isChecked());
    EXPECT_FALSE(control<QCheckBox>("9044").isChecked());
    EXPECT_TRUE(control<QCheckBox>("9047").isChecked());
    for (const auto& p : browser().displayed)
        EXPECT_TRUE(QString::number(p.stcode).startsWith(QStringLiteral("8088")));

    QTest::mouseClick(&control<QCheckBox>("9047"), Qt::LeftButton);
    EXPECT_FALSE(browser().getirYemek);
    EXPECT_TRUE(allOfGroup());
}

TEST_F(StockBrowserWindowTest, scrollingMovesTheBarAndBarcodeSearchResetsIt) {
    stock::showAll(browser(), m_catalog.stock().products);
    QScrollBar& bar = m_window->scrollBar();
    bar.triggerAction(QAbstractSlider::SliderSingleStepAdd);
    bar.triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(browser().firstRow, 2);
    EXPECT_EQ(bar.value(), stock::positionOfIndex(2, static_cast<int>(browser().displayed.size())));
    bar.triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(browser().firstRow, 2);
    EXPECT_EQ(browser().scrollPosition, 540);

    QTest::keyClicks(&control<QLineEdit>("9046"), QStringLiteral("2700001"));
    QTest::keyClick(&control<QLineEdit>("9046"), Qt::Key_Return);
    QCoreApplication::sendPostedEvents(m_window);
    EXPECT_TRUE(control<QLineEdit>("9046").text().isEmpty());
    EXPECT_EQ(browser().filter, stock::ListFilter::Barcode);
    EXPECT_EQ(browser().firstRow, 0);
    EXPECT_EQ(bar.value(), 0);
}

TEST_F(StockBrowserWindowTest, ctrlClickMarksAndButtonsReachTheModel) {
    const QPoint first = test::centreOf(browser().displayed.at(0).view.rowRect);
    const QPoint second = test::centreOf(browser().displayed.at(1).view.rowRect);
    click(first, Qt::ControlModifier);
    click(second, Qt::ControlModifier);
    EXPECT_TRUE(browser().displayed[0].view.marked);
    EXPECT_TRUE(browser().displayed[1].view.marked);
    // Shift held is not a click the window takes.
    click(first, Qt::ShiftModifier);
    EXPECT_TRUE(browser().displayed[0].view.marked);

    click(test::centreOf(browser().button(stock::BrowserButton::StokTanimla)));
    EXPECT_EQ(m_windows.newProduct, 1);
}
