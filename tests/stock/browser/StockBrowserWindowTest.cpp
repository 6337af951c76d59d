#include "stock/browser/StockBrowserWindow.h"

#include "BrowserFixture.h"
#include "CatalogFixtures.h"
#include "platform/WindowMessages.h"
#include "stock/browser/ProductFilters.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

using namespace parvela;

namespace {

constexpr int kYiyecekler = 3331;

class StockBrowserWindowTest : public test::StockTestBase {
protected:
    // The browser opened on the demo restaurant's Group A "Yiyecekler", as
    // its "Ürünler" button opens it.
    void SetUp() override {
        StockTestBase::SetUp();
        test::loadDemoRestaurant();
        test::readCatalog(m_catalog);
        stock::showGroup(m_browser, m_catalog.current(), kYiyecekler, 0, 0);
        m_window = new stock::StockBrowserWindow(m_context, m_browser, m_windows,
                                                 m_notBuilt.features(), &m_owner);
        m_window->show();
        m_window->grab();
    }

    template <typename Control> Control& control(const char* id) {
        auto* found = m_window->findChild<Control*>(QString::fromLatin1(id));
        if (found == nullptr)
            throw std::runtime_error(std::string("no control ") + id);
        return *found;
    }
    void click(QPoint point, Qt::KeyboardModifiers keys = Qt::NoModifier) {
        QTest::mouseClick(m_window, Qt::LeftButton, keys, point);
        m_window->grab();
    }
    QPoint rowPoint(std::size_t row) {
        for (const stock::DrawnRow& drawn : m_browser.drawnRows)
            if (drawn.row == row)
                return test::centreOf(drawn.cells.rowRect);
        throw std::runtime_error("row not drawn");
    }
    const stock::StockDefinition& productAt(std::size_t row) {
        return stock::productOf(m_browser, row);
    }
    bool allOfGroup() {
        for (std::size_t i = 0; i < m_browser.displayed.size(); ++i)
            if (productAt(i).gra != kYiyecekler)
                return false;
        return true;
    }

    QWidget m_owner;
    stock::StockBrowserWindow* m_window = nullptr;
};

} // namespace

TEST_F(StockBrowserWindowTest, opensWithItsControlsAndTheGroupsProducts) {
    EXPECT_EQ(m_window->objectName(), QStringLiteral("mdiclient"));
    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("Ürünler"));
    EXPECT_EQ(m_window->size(), QSize(1024, 720));
    EXPECT_EQ(control<QLineEdit>("9040").geometry(), QRect(400, 634, 125, 24));
    EXPECT_EQ(control<QLineEdit>("9046").geometry(), QRect(400, 661, 125, 24));
    EXPECT_EQ(control<QCheckBox>("9048").geometry(), QRect(375, 9, 20, 27));
    // The box and the list agree: the group is shown whole.
    EXPECT_FALSE(control<QCheckBox>("9044").isChecked());
    EXPECT_FALSE(control<QCheckBox>("9043").isChecked());
    EXPECT_FALSE(m_browser.displayed.empty());
    EXPECT_TRUE(allOfGroup());
    EXPECT_FALSE(m_browser.drawnRows.empty());
}

TEST_F(StockBrowserWindowTest, typedSearchPickedRowAndScreenshot) {
    const std::size_t groupSize = m_browser.displayed.size();
    QTest::keyClicks(&control<QLineEdit>("9040"), QStringLiteral("k"));
    EXPECT_EQ(m_browser.displayed.size(), groupSize);
    QTest::keyClicks(&control<QLineEdit>("9040"), QStringLiteral("e"));
    ASSERT_FALSE(m_browser.displayed.empty());
    EXPECT_LT(m_browser.displayed.size(), m_catalog.current()->products.size());
    m_window->grab();

    // A product with a recipe, so that the detail panel has lines to show.
    std::size_t withRecipe = m_browser.displayed.size();
    for (std::size_t i = 0; i < m_browser.drawnRows.size(); ++i)
        if (productAt(m_browser.drawnRows[i].row).hasRecipe) {
            withRecipe = m_browser.drawnRows[i].row;
            break;
        }
    ASSERT_LT(withRecipe, m_browser.displayed.size());
    click({350, rowPoint(withRecipe).y()});
    EXPECT_EQ(m_browser.current.stcode, productAt(withRecipe).stcode);
    EXPECT_TRUE(m_browser.displayed[withRecipe].highlighted);

    QTest::mouseClick(&control<QCheckBox>("9043"), Qt::LeftButton);
    EXPECT_TRUE(m_browser.showRecipes);
    m_window->grab();
    EXPECT_FALSE(m_browser.panelLines.empty());
    EXPECT_TRUE(m_window->grab().save(QStringLiteral("stock-browser.png")));
}

TEST_F(StockBrowserWindowTest, platformBoxesUncheckEachOther) {
    QTest::mouseClick(&control<QCheckBox>("9048"), Qt::LeftButton);
    QTest::mouseClick(&control<QCheckBox>("9047"), Qt::LeftButton);
    EXPECT_FALSE(control<QCheckBox>("9048").isChecked());
    EXPECT_FALSE(control<QCheckBox>("9044").isChecked());
    EXPECT_TRUE(control<QCheckBox>("9047").isChecked());
    for (std::size_t i = 0; i < m_browser.displayed.size(); ++i)
        EXPECT_TRUE(QString::number(productAt(i).stcode).startsWith(QStringLiteral("8088")));

    QTest::mouseClick(&control<QCheckBox>("9047"), Qt::LeftButton);
    EXPECT_FALSE(m_browser.getirYemek);
    EXPECT_TRUE(allOfGroup());
}

TEST_F(StockBrowserWindowTest, theBarCountsRowsAndReachesTheLastFullPage) {
    // The bar scrolls the list it opened on: the group has more than a page.
    QScrollBar& opened = m_window->scrollBar();
    ASSERT_GT(m_browser.displayed.size(), static_cast<std::size_t>(stock::visibleRows(false)));
    EXPECT_EQ(opened.maximum(),
              static_cast<int>(m_browser.displayed.size()) - stock::visibleRows(false));
    opened.triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_GT(m_browser.firstRow, 0);

    // Every product, from the top: the bar follows a list shown afresh.
    stock::showAll(m_browser, m_catalog.current());
    m_browser.firstRow = 0;
    m_window->grab();
    QScrollBar& bar = m_window->scrollBar();
    const int page = stock::visibleRows(false);
    const int last = static_cast<int>(m_browser.displayed.size()) - page;
    ASSERT_GT(last, 0) << "the demo restaurant has more than a page of products";
    EXPECT_EQ(bar.maximum(), last);
    EXPECT_EQ(bar.pageStep(), page);
    bar.triggerAction(QAbstractSlider::SliderSingleStepAdd);
    bar.triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(m_browser.firstRow, 2);
    EXPECT_EQ(bar.value(), 2);
    bar.triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(m_browser.firstRow, std::min(2 + page, last));
    bar.triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(m_browser.firstRow, last);
    EXPECT_EQ(bar.value(), last);
    m_window->grab();
    EXPECT_EQ(m_browser.drawnRows.back().row, m_browser.displayed.size() - 1);

    QTest::keyClicks(&control<QLineEdit>("9046"), QStringLiteral("2700001"));
    QTest::keyClick(&control<QLineEdit>("9046"), Qt::Key_Return);
    QCoreApplication::sendPostedEvents(m_window);
    EXPECT_TRUE(control<QLineEdit>("9046").text().isEmpty());
    EXPECT_EQ(m_browser.filter, stock::ListFilter::Barcode);
    EXPECT_EQ(m_browser.firstRow, 0);
    EXPECT_EQ(bar.value(), 0);
}

TEST_F(StockBrowserWindowTest, ctrlClickMarksAndButtonsReachTheModel) {
    const QPoint first = rowPoint(0);
    const QPoint second = rowPoint(1);
    click(first, Qt::ControlModifier);
    click(second, Qt::ControlModifier);
    EXPECT_TRUE(m_browser.displayed[0].marked);
    EXPECT_TRUE(m_browser.displayed[1].marked);
    // Shift held is not a click the window takes.
    click(first, Qt::ShiftModifier);
    EXPECT_TRUE(m_browser.displayed[0].marked);

    click(test::centreOf(m_browser.button(stock::BrowserButton::StokTanimla)));
    EXPECT_EQ(m_windows.newProduct, 1);
}
