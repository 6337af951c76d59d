#include "stock/StockBrowserModel.h"

#include "BrowserFixture.h"
#include "CatalogFixtures.h"
#include "platform/NotBuiltYet.h"
#include "stock/ProductFilters.h"
#include "stock/StockBrowserPainter.h"

#include <QImage>
#include <QPainter>

using namespace parvela;
using stock::BrowserButton;
using stock::ScrollStep;
using stock::StockViewState;
using test::TestDatabase;

namespace {

class StockBrowserModelTest : public test::DatabaseTest {
protected:
    // Group 3331 holds four products by name: Adana Kebap (weighed), Ayran,
    // Kuzu Pirzola (weighed), Köfte; 3332 holds the platform products.
    void SetUp() override {
        DatabaseTest::SetUp();
        test::addGroupA(3331, "Izgara");
        test::addGroupA(3332, "Paket");
        test::addProduct({101, "Köfte", 3331, 0, 0, false});
        test::addProduct({102, "Ayran", 3331, 0, 0, false});
        test::addProduct({103, "Adana Kebap", 3331, 0, 0, true});
        test::addProduct({104, "Kuzu Pirzola", 3331, 0, 0, true, 0, 0, 1});
        test::addProduct({90990001, "Trendyol Lahmacun", 3332, 0, 0, false});
        test::addProduct({80880001, "Getir Lahmacun", 3332, 0, 0, false});
        test::addProduct({80880002, "Getir Pide", 3332, 0, 0, false});
        test::addProduct({70770001, "Yemeksepeti Pide", 3332, 0, 0, false});
        test::readCatalog(m_catalog);
        stock::showGroup(browser(), m_catalog.stock().products, 3331, 0, 0);
        m_model.setScrollBarSetter([this](int position) { m_bar.push_back(position); });
        paint();
    }

    stock::StockBrowserState& browser() { return m_catalog.browser(); }
    stock::StockDefinition& row(std::size_t i) { return browser().displayed[i]; }

    void paint() {
        QImage image(1024, 720, QImage::Format_RGB32);
        QPainter painter(&image);
        stock::StockBrowserContent content{browser(),
                                           m_catalog.currentProduct(),
                                           m_catalog.stock().products,
                                           m_catalog.recipes().recipeLines,
                                           m_catalog.stock().departments,
                                           m_catalog.stock().products.size(),
                                           {}};
        stock::paintStockBrowser(painter, image.size(), content);
    }

    QPoint cell(std::size_t i, stock::RowCell which = &StockViewState::rowRect) {
        return test::centreOf(row(i).view.*which);
    }
    // A point of the row's name, clear of every cell.
    QPoint nameOf(std::size_t i) { return {350, cell(i).y()}; }
    void press(BrowserButton button) {
        m_model.leftClick(test::centreOf(browser().button(button)));
        paint();
    }
    std::vector<stock::StockCode> displayedCodes() {
        std::vector<stock::StockCode> codes;
        for (const auto& p : browser().displayed)
            codes.push_back(p.stcode);
        return codes;
    }
    void fillDisplayed(std::size_t count) { browser().displayed.resize(count); }

    test::TestSettings m_settings;
    app::CatalogData m_catalog{m_settings, m_boxes};
    test::OpenedWindows m_windows;
    stock::StockBrowserModel m_model{m_catalog, m_boxes, m_windows, {}};
    std::vector<int> m_bar;
};

using Codes = std::vector<stock::StockCode>;

} // namespace

TEST_F(StockBrowserModelTest, nameSearchNeedsTwoLettersAndEmptyRestoresTheGroup) {
    const Codes group{103, 102, 101, 104};
    ASSERT_EQ(displayedCodes(), group);
    browser().firstRow = 3;

    m_model.nameSearchChanged(QStringLiteral("K"));
    EXPECT_EQ(displayedCodes(), group);
    m_model.nameSearchChanged(QStringLiteral("Kö"));
    EXPECT_EQ(displayedCodes(), (Codes{101}));
    EXPECT_EQ(browser().firstRow, 0);
    EXPECT_EQ(m_bar.back(), 0);
    m_model.nameSearchChanged(QStringLiteral("lahmacun"));
    EXPECT_EQ(displayedCodes(), (Codes{80880001, 90990001}));
    m_model.nameSearchChanged(QString());
    EXPECT_EQ(displayedCodes(), group);
}

TEST_F(StockBrowserModelTest, ctrlClicksMarkRowsAndAMarkerClickTogglesItsRowAlone) {
    m_model.ctrlClick(cell(0));
    m_model.ctrlClick(cell(1));
    EXPECT_TRUE(row(0).view.marked && row(1).view.marked);
    EXPECT_TRUE(row(0).view.highlighted && row(1).view.highlighted);
    EXPECT_EQ(m_catalog.currentProduct().stcode, 0);

    m_model.leftClick(nameOf(2));
    EXPECT_TRUE(row(2).view.highlighted && row(2).view.isCurrent);
    EXPECT_FALSE(row(0).view.highlighted);
    EXPECT_EQ(m_catalog.currentProduct().stcode, row(2).stcode);

    m_model.leftClick(cell(0, &StockViewState::markCell));
    EXPECT_FALSE(row(0).view.marked);
    EXPECT_TRUE(row(1).view.marked);
    EXPECT_FALSE(row(2).view.highlighted || row(2).view.isCurrent);
    // The marker cell does nothing else: the current product stays.
    EXPECT_EQ(m_catalog.currentProduct().stcode, row(2).stcode);
}

TEST_F(StockBrowserModelTest, platformFiltersExcludeEachOther) {
    m_model.platformFilterChanged(9099, true);
    EXPECT_TRUE(browser().trendyol);
    EXPECT_EQ(displayedCodes(), (Codes{90990001}));

    m_model.platformFilterChanged(8088, true);
    EXPECT_FALSE(browser().trendyol);
    EXPECT_FALSE(browser().yemekSepeti);
    EXPECT_TRUE(browser().getirYemek);
    EXPECT_EQ(displayedCodes(), (Codes{80880001, 80880002}));

    m_model.platformFilterChanged(8088, false);
    EXPECT_FALSE(browser().getirYemek);
    EXPECT_EQ(displayedCodes(), (Codes{103, 102, 101, 104}));
}

TEST_F(StockBrowserModelTest, wheelAndLineStepsMoveTheIndexAndSetTheBar) {
    fillDisplayed(100);
    m_model.wheel(false);
    EXPECT_EQ(browser().firstRow, 0);
    browser().firstRow = 3;
    m_model.wheel(false);
    EXPECT_EQ(browser().firstRow, 0);

    m_model.wheel(true);
    m_model.wheel(true);
    EXPECT_EQ(browser().firstRow, 10);
    EXPECT_EQ(m_bar.back(), 100);
    m_model.scrollBarStep(ScrollStep::LineDown, 100, 0);
    EXPECT_EQ(browser().firstRow, 11);
    EXPECT_EQ(m_bar.back(), 110);
    m_model.scrollBarStep(ScrollStep::LineUp, 110, 0);
    EXPECT_EQ(browser().firstRow, 10);

    browser().firstRow = 100;
    m_model.scrollBarStep(ScrollStep::LineDown, 1000, 0);
    EXPECT_EQ(browser().firstRow, 100);
    browser().firstRow = 0;
    m_model.scrollBarStep(ScrollStep::LineUp, 0, 0);
    EXPECT_EQ(browser().firstRow, 0);
}

TEST_F(StockBrowserModelTest, pageThumbTopAndBottomConvertPositionsToIndex) {
    fillDisplayed(100);
    // The position divided by the maximum is taken whole before it is
    // multiplied: anything short of the maximum is the first row.
    m_model.scrollBarStep(ScrollStep::PageDown, 100, 0);
    EXPECT_EQ(m_bar.back(), 130);
    EXPECT_EQ(browser().firstRow, 0);
    m_model.scrollBarStep(ScrollStep::Thumb, 130, 1000);
    EXPECT_EQ(browser().firstRow, 100);
    EXPECT_EQ(m_bar.back(), 1000);
    m_model.scrollBarStep(ScrollStep::PageUp, 1000, 0);
    EXPECT_EQ(m_bar.back(), 970);
    EXPECT_EQ(browser().firstRow, 0);
    m_model.scrollBarStep(ScrollStep::PageUp, 0, 0);
    EXPECT_EQ(m_bar.back(), 0);

    browser().firstRow = 7;
    const std::size_t barCalls = m_bar.size();
    m_model.scrollBarStep(ScrollStep::Bottom, 200, 0);
    EXPECT_EQ(browser().scrollPosition, 540);
    m_model.scrollBarStep(ScrollStep::Top, 200, 0);
    EXPECT_EQ(browser().scrollPosition, 0);
    EXPECT_EQ(browser().firstRow, 7);
    EXPECT_EQ(m_bar.size(), barCalls);

    EXPECT_EQ(stock::positionOfIndex(33, 70), 471);
    EXPECT_EQ(stock::positionOfIndex(5, 0), 0);
    EXPECT_EQ(stock::indexOfPosition(999, 70), 0);
    EXPECT_EQ(stock::indexOfPosition(1000, 70), 70);
}

TEST_F(StockBrowserModelTest, productButtonsNeedAHighlightedRow) {
    press(BrowserButton::Recetesi);
    press(BrowserButton::MenuBundle);
    press(BrowserButton::Opsiyonlar);
    EXPECT_TRUE(m_boxes.shown().empty());

    m_model.leftClick(nameOf(1));
    press(BrowserButton::Recetesi);
    EXPECT_EQ(m_boxes.captions(), QStringList{QStringLiteral("Ürün Reçetelendirme")});
    EXPECT_EQ(m_boxes.texts(), QStringList{platform::kNotBuiltYetText});
    EXPECT_EQ(m_catalog.currentProduct().stcode, 102);

    press(BrowserButton::Duzenle);
    press(BrowserButton::StokTanimla);
    EXPECT_EQ(m_windows.editProduct, 1);
    EXPECT_EQ(m_windows.newProduct, 1);
}

TEST_F(StockBrowserModelTest, theBandEndsTheDispatchButAyarlaStillActs) {
    m_model.leftClick(nameOf(0));
    const records::Rect band{780, 6, 850, 32};
    browser().button(BrowserButton::Sil) = band;
    m_model.leftClick({800, 20});
    EXPECT_TRUE(m_boxes.shown().empty());

    browser().button(BrowserButton::Ayarla) = band;
    m_model.leftClick({800, 20});
    EXPECT_EQ(m_boxes.captions(), QStringList{QStringLiteral("Grup/Menü Ayarları")});
}

TEST_F(StockBrowserModelTest, deletedCellRetiresAndRestoresTheProduct) {
    const auto inOld = [] {
        return TestDatabase::scalar("SELECT COUNT(*) FROM stocks.stckdef_old WHERE stcode=102;");
    };
    const auto inList = [] {
        return TestDatabase::scalar("SELECT COUNT(*) FROM stocks.stckdef WHERE stcode=102;");
    };
    m_model.leftClick(cell(1, &StockViewState::deletedCell));
    EXPECT_EQ(row(1).deletedMark, 1);
    EXPECT_EQ(inList(), "0");
    EXPECT_EQ(inOld(), "1");
    // The click also picked the row.
    EXPECT_EQ(m_catalog.currentProduct().stcode, 102);

    m_model.leftClick(cell(1, &StockViewState::deletedCell));
    EXPECT_EQ(row(1).deletedMark, 0);
    EXPECT_EQ(inList(), "1");
    EXPECT_EQ(inOld(), "0");
}

TEST_F(StockBrowserModelTest, dayMenuCellSwitchesAndWritesGunmenu) {
    const auto stored = [] {
        return TestDatabase::scalar("SELECT gunmenu FROM stocks.stckdef WHERE stcode=101;");
    };
    // New products are on the day menu.
    ASSERT_EQ(row(2).gunmenu, 1);
    m_model.leftClick(cell(2, &StockViewState::dayMenuCell));
    EXPECT_EQ(row(2).gunmenu, 0);
    EXPECT_EQ(stored(), "0");
    m_model.leftClick(cell(2, &StockViewState::dayMenuCell));
    EXPECT_EQ(row(2).gunmenu, 1);
    EXPECT_EQ(stored(), "1");
}

TEST_F(StockBrowserModelTest, quickSaleRefusesWithoutACurrentProduct) {
    const QString refused = QStringLiteral("STOK SECILMEDI");
    press(BrowserButton::HizliEkle);
    EXPECT_EQ(m_boxes.captions(), QStringList{refused});
    EXPECT_EQ(m_boxes.texts(), QStringList{QStringLiteral(
                                   "Secilen stok kodu sifir veya herhangi bir stok secilmedi.")});
    EXPECT_EQ(TestDatabase::count("stocks.hizli_satis_stok"), 0);

    m_model.leftClick(nameOf(0));
    press(BrowserButton::HizliEkle);
    EXPECT_EQ(TestDatabase::count("stocks.hizli_satis_stok"), 1);
    EXPECT_EQ(m_catalog.stock().quickSaleCodes, (Codes{103}));

    m_boxes.clear();
    press(BrowserButton::HizliEkle);
    EXPECT_EQ(m_boxes.texts(),
              QStringList{
                  QStringLiteral("Şu ürün zaten hızlı satışta tanımlı :\n\n 103 - Adana Kebap ")});
    EXPECT_EQ(TestDatabase::count("stocks.hizli_satis_stok"), 1);

    // A click beside the rows drops the highlight: the current product is
    // no longer taken for a picked one.
    m_boxes.clear();
    m_model.leftClick({350, 600});
    press(BrowserButton::HizliSil);
    EXPECT_EQ(m_boxes.captions(), QStringList{refused});
    m_model.leftClick(nameOf(0));
    press(BrowserButton::HizliSil);
    EXPECT_EQ(TestDatabase::count("stocks.hizli_satis_stok"), 0);
    EXPECT_TRUE(m_catalog.stock().quickSaleCodes.empty());
}

TEST_F(StockBrowserModelTest, ctrlF4NumbersTheWeighedProductsFrom2700001) {
    const auto barcodeOf = [](const char* code) {
        return TestDatabase::scalar(
            std::string("SELECT barcode FROM stocks.stckdef WHERE stcode=") + code + ";");
    };
    TestDatabase::exec("UPDATE stocks.stckdef SET barcode='2799999' WHERE stcode=103;");
    m_model.functionKey(Qt::Key_F4, {});
    EXPECT_EQ(barcodeOf("103"), "2799999");

    m_model.functionKey(Qt::Key_F4, {true, true, false});
    EXPECT_EQ(barcodeOf("103"), "2700001");
    EXPECT_EQ(barcodeOf("104"), "2700002");
    EXPECT_EQ(barcodeOf("101"), "");
    EXPECT_EQ(m_boxes.texts(), QStringList{QStringLiteral("SET_PLU_OTOMATIK_BARCODE finished..")});
}

TEST_F(StockBrowserModelTest, ctrlShiftF2MovesTheWeighedProductsToTheSelectedGroups) {
    test::addGroupB(3332, 55, "Paket Kebap");
    test::readCatalog(m_catalog);
    m_catalog.groups().screenA()[1].selected = true;
    m_catalog.groups().screenB()[0].selected = true;
    m_boxes.queueAnswer(platform::BoxAnswer::Yes);
    m_boxes.queueAnswer(platform::BoxAnswer::Ok);
    m_boxes.queueAnswer(platform::BoxAnswer::No);
    m_model.functionKey(Qt::Key_F2, {true, true, true});
    EXPECT_EQ(TestDatabase::scalar("SELECT COUNT(*) FROM stocks.stckdef WHERE gra=3332;"), "6");
    EXPECT_EQ(TestDatabase::scalar("SELECT COUNT(*) FROM stocks.stckdef WHERE grb=55;"), "0");
    EXPECT_EQ(m_boxes.captions(), QStringList(3, QStringLiteral("UPDATE_TERAZI_STOK_GRUBU")));

    m_model.functionKey(Qt::Key_F2, {false, false, true});
    EXPECT_EQ(TestDatabase::scalar("SELECT COUNT(*) FROM stocks.stckdef WHERE grb=55;"), "2");
}

TEST_F(StockBrowserModelTest, doubleAndRightClicksPickTheRowThenOpen) {
    m_model.doubleClick(nameOf(3));
    EXPECT_EQ(m_windows.editProduct, 1);
    EXPECT_EQ(m_catalog.currentProduct().stcode, 104);

    m_model.doubleClick(cell(3, &StockViewState::bundleCell));
    m_model.doubleClick(cell(3, &StockViewState::tagCell));
    m_model.doubleClick(cell(3, &StockViewState::orderCell));
    EXPECT_EQ(m_windows.editProduct, 1);
    m_model.rightClick(cell(3, &StockViewState::bundleCell));
    m_model.rightClick(nameOf(2));
    EXPECT_EQ(m_catalog.currentProduct().stcode, 101);
    EXPECT_EQ(m_boxes.captions(), (QStringList{QStringLiteral("Bundle/MENU Düzenlemesi"),
                                               QStringLiteral("STOK_SIRALAMA"),
                                               QStringLiteral("Bundle/MENU Düzenlemesi"),
                                               QStringLiteral("Ürün Reçetelendirme")}));
}

TEST_F(StockBrowserModelTest, hepsiForgetsTheGroupAndOkuReadsIt) {
    m_model.platformFilterChanged(9099, true);
    browser().yemekSepeti = true;
    press(BrowserButton::Hepsi);
    EXPECT_EQ(browser().gra, 0);
    EXPECT_EQ(browser().displayed.size(), 8u);
    EXPECT_TRUE(browser().trendyol);
    EXPECT_FALSE(browser().yemekSepeti || browser().getirYemek);

    test::addProduct({105, "Çoban Salata", 3331, 0, 0, false});
    browser().gra = 3331;
    press(BrowserButton::Oku);
    EXPECT_EQ(displayedCodes(), (Codes{103, 102, 105, 101, 104}));
}

TEST_F(StockBrowserModelTest, silDeletesTheCurrentProductAndRereadsTheList) {
    m_model.leftClick(nameOf(1));
    browser().firstRow = 2;
    m_boxes.queueAnswer(platform::BoxAnswer::Yes);
    press(BrowserButton::Sil);
    EXPECT_EQ(m_boxes.captions(), QStringList{QStringLiteral("STOK TANIMI SİLİNİYOR")});
    EXPECT_EQ(displayedCodes(), (Codes{103, 101, 104}));
    EXPECT_EQ(m_catalog.stock().products.size(), 7u);
    EXPECT_EQ(browser().firstRow, 0);
}

TEST_F(StockBrowserModelTest, recipeLinesOfTheCurrentProductArePickedFromThePanel) {
    test::addProduct({201, "Tavuk Kıyma", 3331, 0, 0, true});
    test::addRecipeLine(101, 201, 0.15);
    test::readCatalog(m_catalog);
    stock::showGroup(browser(), m_catalog.stock().products, 3331, 0, 0);
    m_model.showRecipesChanged(true);
    paint();
    m_model.leftClick(nameOf(2));
    ASSERT_EQ(m_catalog.currentProduct().stcode, 101);
    paint();
    ASSERT_EQ(browser().panelLines.size(), 1u);

    m_model.leftClick(test::centreOf(browser().panelLines[0].rowRect));
    EXPECT_EQ(browser().currentRecipeLine.ingredient, 201);
    EXPECT_FALSE(row(2).view.highlighted);
    m_model.leftClick(test::centreOf(browser().panelLines[0].linkedCell));
    m_model.doubleClick(test::centreOf(browser().panelLines[0].rowRect));
    EXPECT_EQ(m_boxes.captions(), (QStringList{QStringLiteral("BAGLI_URUNLER"),
                                               QStringLiteral("RECETE URUN MIKTARI DEĞİŞTİR")}));
}

TEST_F(StockBrowserModelTest, onlyTheRowsOfTheLastPaintAreHit) {
    fillDisplayed(60);
    for (std::size_t i = 0; i < 60; ++i)
        row(i).stcode = static_cast<stock::StockCode>(1000 + i);
    paint();
    // Rows stop 20 pixels above the list area's bottom.
    EXPECT_EQ(browser().drawnCount, 26u);
    EXPECT_LE(row(25).view.rowRect.bottom, stock::kListArea.bottom - 20);
    const QPoint top = nameOf(0);
    for (int notch = 0; notch < 6; ++notch)
        m_model.wheel(true);
    paint();
    m_model.leftClick(top);
    EXPECT_EQ(m_catalog.currentProduct().stcode, 1030);
    EXPECT_FALSE(row(0).view.highlighted);
}
