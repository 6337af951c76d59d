#include "stock/browser/StockBrowserModel.h"

#include "BrowserFixture.h"
#include "CatalogFixtures.h"
#include "platform/NotBuiltYet.h"
#include "stock/browser/ProductFilters.h"
#include "stock/browser/StockBrowserPainter.h"

#include <QImage>
#include <QPainter>
#include <QTest>

using namespace parvela;
using stock::BrowserButton;
using stock::RowCells;
using stock::ScrollStep;
using test::TestDatabase;

namespace {

class StockBrowserModelTest : public test::StockTestBase {
protected:
    // Group 3331 holds four products by name: Adana Kebap (weighed), Ayran,
    // Kuzu Pirzola (weighed), Köfte; 3332 holds the platform products.
    void SetUp() override {
        StockTestBase::SetUp();
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
        stock::showGroup(m_browser, m_catalog.current(), 3331, 0, 0);
        m_model.setScrollBarSetter([this](int position) { m_bar.push_back(position); });
        paint();
    }

    stock::BrowserRow& row(std::size_t i) { return m_browser.displayed[i]; }
    const stock::StockDefinition& productAt(std::size_t i) {
        return stock::productOf(m_browser, i);
    }

    void paint() {
        QImage image(1024, 720, QImage::Format_RGB32);
        QPainter painter(&image);
        stock::StockBrowserContent content{m_browser, {}};
        stock::paintStockBrowser(painter, image.size(), content);
    }

    QPoint cell(std::size_t i, records::Rect RowCells::*which = &RowCells::rowRect) {
        for (const stock::DrawnRow& drawn : m_browser.drawnRows)
            if (drawn.row == i)
                return test::centreOf(drawn.cells.*which);
        ADD_FAILURE() << "row " << i << " is not drawn";
        return {};
    }
    // A point of the row's name, clear of every cell.
    QPoint nameOf(std::size_t i) { return {350, cell(i).y()}; }
    void press(BrowserButton button) {
        m_model.leftClick(test::centreOf(m_browser.button(button)));
        paint();
    }
    // A list of `count` products, all shown.
    void showMany(int count) {
        m_catalog.catalogue().change([count](stock::Catalogue& next) {
            for (int i = 0; i < count; ++i) {
                stock::StockDefinition p;
                p.stcode = 5000 + i;
                p.stname = QStringLiteral("Ürün %1").arg(i);
                next.products.push_back(p);
            }
            next.reindex();
        });
        stock::showAll(m_browser, m_catalog.current());
    }

    stock::StockBrowserModel m_model{m_context, m_browser, m_windows, m_notBuilt.features(), {}};
    std::vector<int> m_bar;
};

using Codes = std::vector<stock::StockCode>;

} // namespace

TEST_F(StockBrowserModelTest, nameSearchNeedsTwoLettersAndEmptyRestoresTheGroup) {
    const Codes group{103, 102, 101, 104};
    ASSERT_EQ(displayedCodes(), group);
    m_browser.firstRow = 3;

    m_model.nameSearchChanged(QStringLiteral("K"));
    EXPECT_EQ(displayedCodes(), group);
    m_model.nameSearchChanged(QStringLiteral("Kö"));
    EXPECT_EQ(displayedCodes(), (Codes{101}));
    EXPECT_EQ(m_browser.firstRow, 0);
    EXPECT_EQ(m_bar.back(), 0);
    m_model.nameSearchChanged(QStringLiteral("lahmacun"));
    EXPECT_EQ(displayedCodes(), (Codes{80880001, 90990001}));
    m_model.nameSearchChanged(QString());
    EXPECT_EQ(displayedCodes(), group);
}

TEST_F(StockBrowserModelTest, ctrlClicksMarkRowsAndAMarkerClickTogglesItsRowAlone) {
    m_model.ctrlClick(cell(0));
    m_model.ctrlClick(cell(1));
    EXPECT_TRUE(row(0).marked && row(1).marked);
    EXPECT_TRUE(row(0).highlighted && row(1).highlighted);
    EXPECT_EQ(m_browser.current.stcode, 0);

    m_model.leftClick(nameOf(2));
    EXPECT_TRUE(row(2).highlighted && row(2).isCurrent);
    EXPECT_FALSE(row(0).highlighted);
    EXPECT_EQ(m_browser.current.stcode, productAt(2).stcode);

    m_model.leftClick(cell(0, &RowCells::markCell));
    EXPECT_FALSE(row(0).marked);
    EXPECT_TRUE(row(1).marked);
    EXPECT_FALSE(row(2).highlighted || row(2).isCurrent);
    // The marker cell does nothing else: the current product stays.
    EXPECT_EQ(m_browser.current.stcode, productAt(2).stcode);
}

TEST_F(StockBrowserModelTest, platformFiltersExcludeEachOtherAndNoBoxIsTickedOnOpening) {
    m_model.open();
    EXPECT_FALSE(m_browser.yemekSepeti || m_browser.trendyol || m_browser.getirYemek);
    EXPECT_EQ(displayedCodes(), (Codes{103, 102, 101, 104}));

    m_model.platformFilterChanged(9099, true);
    EXPECT_TRUE(m_browser.trendyol);
    EXPECT_EQ(displayedCodes(), (Codes{90990001}));

    m_model.platformFilterChanged(8088, true);
    EXPECT_FALSE(m_browser.trendyol);
    EXPECT_FALSE(m_browser.yemekSepeti);
    EXPECT_TRUE(m_browser.getirYemek);
    EXPECT_EQ(displayedCodes(), (Codes{80880001, 80880002}));

    m_model.platformFilterChanged(8088, false);
    EXPECT_FALSE(m_browser.getirYemek);
    EXPECT_EQ(displayedCodes(), (Codes{103, 102, 101, 104}));
}

TEST_F(StockBrowserModelTest, wheelAndLinesStopAtTheLastFullPage) {
    showMany(100);
    const int page = stock::visibleRows(false);
    const int last = 100 + 8 - page; // the catalogue's eight and the hundred
    m_model.wheel(false);
    EXPECT_EQ(m_browser.firstRow, 0);
    m_browser.firstRow = 3;
    m_model.wheel(false);
    EXPECT_EQ(m_browser.firstRow, 0);

    m_model.wheel(true);
    m_model.wheel(true);
    EXPECT_EQ(m_browser.firstRow, 10);
    EXPECT_EQ(m_bar.back(), 10);
    m_model.scrollBarStep(ScrollStep::LineDown, 0);
    EXPECT_EQ(m_browser.firstRow, 11);
    m_model.scrollBarStep(ScrollStep::LineUp, 0);
    EXPECT_EQ(m_browser.firstRow, 10);

    for (int notch = 0; notch < 40; ++notch)
        m_model.wheel(true);
    EXPECT_EQ(m_browser.firstRow, last);
    m_model.scrollBarStep(ScrollStep::LineDown, 0);
    EXPECT_EQ(m_browser.firstRow, last);
    paint();
    EXPECT_EQ(m_browser.drawnRows.size(), static_cast<std::size_t>(page));
}

TEST_F(StockBrowserModelTest, pageAndThumbReachTheMiddleAndTheLastFullPage) {
    // 34 products: the demo group a manager pages through.
    showMany(26);
    const int page = stock::visibleRows(false);
    const int last = 34 - page;
    ASSERT_GT(last, 0);
    m_model.scrollBarStep(ScrollStep::PageDown, 0);
    EXPECT_EQ(m_browser.firstRow, std::min(page, last));
    m_model.scrollBarStep(ScrollStep::PageDown, 0);
    EXPECT_EQ(m_browser.firstRow, last);
    EXPECT_EQ(m_bar.back(), last);
    m_model.scrollBarStep(ScrollStep::PageUp, 0);
    EXPECT_EQ(m_browser.firstRow, std::max(0, last - page));

    m_model.scrollBarStep(ScrollStep::Thumb, last / 2);
    EXPECT_EQ(m_browser.firstRow, last / 2);
    m_model.scrollBarStep(ScrollStep::Thumb, 1000);
    EXPECT_EQ(m_browser.firstRow, last);
    paint();
    EXPECT_EQ(m_browser.drawnRows.size(), static_cast<std::size_t>(page));
    EXPECT_EQ(m_browser.drawnRows.back().row, 33u);

    m_model.scrollBarStep(ScrollStep::Top, 0);
    EXPECT_EQ(m_browser.firstRow, 0);
    m_model.scrollBarStep(ScrollStep::Bottom, 0);
    EXPECT_EQ(m_browser.firstRow, last);

    // Without the recipe panel more rows fit: the last page stays full.
    m_model.showRecipesChanged(true);
    m_model.scrollBarStep(ScrollStep::Bottom, 0);
    EXPECT_EQ(m_browser.firstRow, 34 - stock::visibleRows(true));
    m_model.showRecipesChanged(false);
    EXPECT_EQ(m_browser.firstRow, last);
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
    EXPECT_EQ(m_browser.current.stcode, 102);

    press(BrowserButton::Duzenle);
    press(BrowserButton::StokTanimla);
    EXPECT_EQ(m_windows.editProduct, 1);
    EXPECT_EQ(m_windows.editedCode, 102);
    EXPECT_EQ(m_windows.newProduct, 1);
}

TEST_F(StockBrowserModelTest, theBandEndsTheDispatchButAyarlaStillActs) {
    m_model.leftClick(nameOf(0));
    const records::Rect band{780, 6, 850, 32};
    m_browser.button(BrowserButton::Sil) = band;
    m_model.leftClick({800, 20});
    EXPECT_TRUE(m_boxes.shown().empty());

    m_browser.button(BrowserButton::Ayarla) = band;
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
    m_model.leftClick(cell(1, &RowCells::deletedCell));
    paint();
    EXPECT_EQ(productAt(1).deletedMark, 1);
    EXPECT_EQ(inList(), "0");
    EXPECT_EQ(inOld(), "1");
    // The click also picked the row.
    EXPECT_EQ(m_browser.current.stcode, 102);

    m_model.leftClick(cell(1, &RowCells::deletedCell));
    paint();
    EXPECT_EQ(productAt(1).deletedMark, 0);
    EXPECT_EQ(inList(), "1");
    EXPECT_EQ(inOld(), "0");

    // A move the server refuses leaves the mark as it was.
    TestDatabase::exec("DROP PROCEDURE stocks.DELETE_INSERT_STOCK;");
    m_model.leftClick(cell(1, &RowCells::deletedCell));
    EXPECT_EQ(productAt(1).deletedMark, 0);
    EXPECT_EQ(m_boxes.captions(), QStringList{QStringLiteral("DELETE_STOCK")});
    TestDatabase::loadSchema();
}

TEST_F(StockBrowserModelTest, dayMenuCellSwitchesAndWritesGunmenu) {
    const auto stored = [] {
        return TestDatabase::scalar("SELECT gunmenu FROM stocks.stckdef WHERE stcode=101;");
    };
    // New products are on the day menu.
    ASSERT_EQ(productAt(2).gunmenu, 1);
    m_model.leftClick(cell(2, &RowCells::dayMenuCell));
    paint();
    EXPECT_EQ(productAt(2).gunmenu, 0);
    EXPECT_EQ(stored(), "0");
    m_model.leftClick(cell(2, &RowCells::dayMenuCell));
    EXPECT_EQ(productAt(2).gunmenu, 1);
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
    EXPECT_EQ(m_catalog.current()->quickSaleCodes.get(), (Codes{103}));

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
    EXPECT_TRUE(m_catalog.current()->quickSaleCodes.get().empty());
}

TEST_F(StockBrowserModelTest, ctrlF4NumbersTheWeighedProductsFrom2700001) {
    const auto barcodeOf = [](const char* code) {
        return TestDatabase::scalar(
            std::string("SELECT barcode FROM stocks.stckdef WHERE stcode=") + code + ";");
    };
    TestDatabase::exec("UPDATE stocks.stckdef SET barcode='2799999' WHERE stcode=103;");
    m_model.functionKey(Qt::Key_F4, {});
    EXPECT_EQ(barcodeOf("103"), "2799999");
    EXPECT_TRUE(m_boxes.shown().empty());

    // Asked first: "Hayır", the default, numbers nothing.
    m_model.functionKey(Qt::Key_F4, {true, true, false});
    EXPECT_EQ(barcodeOf("103"), "2799999");
    EXPECT_EQ(m_boxes.texts(),
              QStringList{QStringLiteral(
                  "Tartılı Ürün Kodları: 2 ürün değişecek.\nDevam etmek istiyor musunuz?")});
    m_boxes.clear();
    m_boxes.queueAnswer(platform::BoxAnswer::Yes);
    m_model.functionKey(Qt::Key_F4, {true, true, false});
    EXPECT_EQ(barcodeOf("103"), "2700001");
    EXPECT_EQ(barcodeOf("104"), "2700002");
    EXPECT_EQ(barcodeOf("101"), "");
    EXPECT_EQ(m_boxes.texts().mid(1),
              (QStringList{QStringLiteral("SET_PLU_OTOMATIK_BARCODE finished.."),
                           QStringLiteral("Tartılı Ürün Kodları: 2 ürün değişti.")}));
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
    EXPECT_EQ(m_windows.editedCode, 104);
    EXPECT_EQ(m_browser.current.stcode, 104);

    m_model.doubleClick(cell(3, &RowCells::bundleCell));
    m_model.doubleClick(cell(3, &RowCells::tagCell));
    m_model.doubleClick(cell(3, &RowCells::orderCell));
    EXPECT_EQ(m_windows.editProduct, 1);
    m_model.rightClick(cell(3, &RowCells::bundleCell));
    m_model.rightClick(nameOf(2));
    EXPECT_EQ(m_browser.current.stcode, 101);
    EXPECT_EQ(m_boxes.captions(), (QStringList{QStringLiteral("Bundle/MENU Düzenlemesi"),
                                               QStringLiteral("STOK_SIRALAMA"),
                                               QStringLiteral("Bundle/MENU Düzenlemesi"),
                                               QStringLiteral("Ürün Reçetelendirme")}));
}

TEST_F(StockBrowserModelTest, hepsiForgetsTheGroupAndOkuReadsIt) {
    m_model.platformFilterChanged(9099, true);
    m_browser.yemekSepeti = true;
    press(BrowserButton::Hepsi);
    EXPECT_EQ(m_browser.gra, 0);
    EXPECT_EQ(m_browser.displayed.size(), 8u);
    EXPECT_TRUE(m_browser.trendyol);
    EXPECT_FALSE(m_browser.yemekSepeti || m_browser.getirYemek);

    test::addProduct({105, "Çoban Salata", 3331, 0, 0, false});
    m_browser.gra = 3331;
    press(BrowserButton::Oku);
    // The group shows at once; what the read brings, when it comes.
    EXPECT_EQ(displayedCodes(), (Codes{103, 102, 101, 104}));
    QTRY_VERIFY_WITH_TIMEOUT((m_model.refresh(), displayedCodes().size() == 5), 10000);
    EXPECT_EQ(displayedCodes(), (Codes{103, 102, 105, 101, 104}));
}

TEST_F(StockBrowserModelTest, silDeletesTheCurrentProductWhichStopsBeingCurrent) {
    m_model.leftClick(nameOf(1));
    m_browser.firstRow = 2;
    m_boxes.queueAnswer(platform::BoxAnswer::Yes);
    press(BrowserButton::Sil);
    EXPECT_EQ(m_boxes.captions(), QStringList{QStringLiteral("STOK TANIMI SİLİNİYOR")});
    EXPECT_EQ(displayedCodes(), (Codes{103, 101, 104}));
    EXPECT_EQ(m_catalog.current()->products.size(), 7u);
    EXPECT_EQ(m_browser.firstRow, 0);
    EXPECT_EQ(m_browser.current.stcode, 0);

    // Neither "Düzenle" nor a second "Sil" can reach the deleted product.
    m_boxes.clear();
    press(BrowserButton::Sil);
    EXPECT_EQ(m_boxes.captions(), QStringList{QStringLiteral("STOK SECILMEDI")});
    press(BrowserButton::Duzenle);
    EXPECT_EQ(m_windows.editedCode, 0);
}

TEST_F(StockBrowserModelTest, recipeLinesOfTheCurrentProductArePickedFromThePanel) {
    test::addProduct({201, "Tavuk Kıyma", 3331, 0, 0, true});
    test::addRecipeLine(101, 201, 0.15);
    test::readCatalog(m_catalog);
    stock::showGroup(m_browser, m_catalog.current(), 3331, 0, 0);
    m_model.showRecipesChanged(true);
    paint();
    m_model.leftClick(nameOf(2));
    ASSERT_EQ(m_browser.current.stcode, 101);
    paint();
    ASSERT_EQ(m_browser.panelLines.size(), 1u);
    EXPECT_EQ(m_browser.panelLines[0].line.ingredientName, QStringLiteral("Tavuk Kıyma"));

    m_model.leftClick(test::centreOf(m_browser.panelLines[0].rowRect));
    EXPECT_EQ(m_browser.currentRecipeLine.ingredient, 201);
    EXPECT_FALSE(row(2).highlighted);
    m_model.leftClick(test::centreOf(m_browser.panelLines[0].linkedCell));
    m_model.doubleClick(test::centreOf(m_browser.panelLines[0].rowRect));
    EXPECT_EQ(m_boxes.captions(), (QStringList{QStringLiteral("BAGLI_URUNLER"),
                                               QStringLiteral("RECETE URUN MIKTARI DEĞİŞTİR")}));
}

TEST_F(StockBrowserModelTest, onlyTheRowsOfTheLastPaintAreHit) {
    showMany(52);
    paint();
    EXPECT_EQ(m_browser.drawnRows.size(), static_cast<std::size_t>(stock::visibleRows(false)));
    const QPoint top = nameOf(0);
    for (int notch = 0; notch < 6; ++notch)
        m_model.wheel(true);
    paint();
    m_model.leftClick(top);
    EXPECT_EQ(m_browser.current.stcode, productAt(30).stcode);
    EXPECT_FALSE(row(0).highlighted);
}

TEST_F(StockBrowserModelTest, aListBuiltBeforeTheProductsWereReadIsBuiltAgain) {
    test::addProduct({105, "Çoban Salata", 3331, 0, 0, false});
    m_catalog.readProducts();
    // The rows still point into the old list until the window asks again.
    m_model.refresh();
    EXPECT_EQ(displayedCodes(), (Codes{103, 102, 105, 101, 104}));
}

namespace {

// The group dialogs as the stock window sees them: what it hands them.
class GroupsAsked : public stock::GroupWindows {
public:
    void assignGroup(const std::vector<stock::StockCode>& marked, QWidget*) override {
        assigned = marked;
    }
    void chooseGroup(stock::EditedProduct&, QWidget*) override {}
    void groupSettings(std::function<stock::ListedCodes()> listedNow, QWidget*) override {
        settings = listedNow();
    }

    std::vector<stock::StockCode> assigned;
    stock::ListedCodes settings;
};

} // namespace

// A read that lands while a box of a click is up (the read every editor save
// starts, a message of another program) leaves the click on the row it hit,
// and the marks with the products that carry them.
TEST_F(StockBrowserModelTest, aReadWhileABoxIsUpLeavesTheClickAndTheMarksOnTheirProducts) {
    GroupsAsked groups;
    stock::StockBrowserModel model{m_context,
                                   m_browser,
                                   m_windows,
                                   {m_notBuilt, groups, m_notBuilt, m_notBuilt, m_notBuilt},
                                   {}};
    model.ctrlClick(cell(1)); // Ayran
    model.ctrlClick(cell(3)); // Kuzu Pirzola
    paint();
    TestDatabase::exec("CREATE TRIGGER stocks.refuse_103 BEFORE UPDATE ON stocks.stckdef FOR EACH "
                       "ROW BEGIN IF NEW.stcode = 103 THEN SIGNAL SQLSTATE '45000' SET "
                       "MESSAGE_TEXT='kilitli'; END IF; END;");
    m_boxes.whileNextBoxShows([this] {
        test::addProduct({100, "Acılı Ezme", 3331, 0, 0, false});
        TestDatabase::exec("DELETE FROM stocks.stckdef WHERE stcode=101;"
                           "UPDATE stocks.stckdef SET stname='Kuzu Şiş' WHERE stcode=104;");
        m_catalog.readProducts();
    });
    model.leftClick(cell(0, &RowCells::dayMenuCell)); // Adana Kebap, refused
    TestDatabase::exec("DROP TRIGGER stocks.refuse_103;");
    EXPECT_EQ(m_boxes.captions().size(), 1);
    EXPECT_EQ(m_browser.current.stcode, 103);
    EXPECT_EQ(displayedCodes(), (Codes{100, 103, 102, 104}));
    Codes marked;
    for (std::size_t i = 0; i < m_browser.displayed.size(); ++i)
        if (row(i).marked)
            marked.push_back(productAt(i).stcode);
    EXPECT_EQ(marked, (Codes{102, 104}));
    EXPECT_TRUE(m_browser.notice.isEmpty());

    // A marked product gone: it is named, and the rest is what acts.
    TestDatabase::exec("DELETE FROM stocks.stckdef WHERE stcode=102;");
    m_catalog.readProducts();
    model.refresh();
    paint();
    EXPECT_EQ(m_browser.notice, QStringLiteral("1 işaretli ürün listede artık yok."));
    model.leftClick(test::centreOf(m_browser.button(BrowserButton::GrubuAta)));
    EXPECT_EQ(groups.assigned, (Codes{104}));
    model.leftClick(test::centreOf(m_browser.button(BrowserButton::Ayarla)));
    EXPECT_EQ(groups.settings.listed, (Codes{100, 103, 104}));
    EXPECT_EQ(groups.settings.marked, (Codes{104}));
}

// Ctrl+F4 numbers the weighed products anew: the scales' list takes the new
// codes at once, without a read.
TEST_F(StockBrowserModelTest, theWeighedListFollowsCtrlF4AtOnce) {
    m_boxes.queueAnswer(platform::BoxAnswer::Yes);
    m_model.functionKey(Qt::Key_F4, {true, true, false});
    const stock::CatalogueRef catalogue = m_catalog.current();
    std::vector<std::string> codes;
    for (const stock::StockDefinition& weighed : catalogue->weighed)
        codes.push_back(weighed.barcode);
    EXPECT_EQ(codes, (std::vector<std::string>{"2700001", "2700002"}));
}
