#include "stock/StockBrowserModel.h"

#include "app/CatalogData.h"
#include "app/NotBuiltYet.h"
#include "platform/MessageBoxes.h"
#include "recipes/RecipeListReaders.h"
#include "stock/ProductDelete.h"
#include "stock/ProductFilters.h"
#include "stock/ProductWriter.h"
#include "stock/QuickSale.h"
#include "stock/StockBrowserHitTest.h"
#include "stock/StockListReaders.h"
#include "stock/StockWindows.h"
#include "stock/WeighedProducts.h"

#include <algorithm>

namespace parvela::stock {

namespace {

// Captions of the windows still to come, as they will be titled.
const QString kRecipeDialog = QStringLiteral("Ürün Reçetelendirme");
const QString kBundleDialog = QStringLiteral("Bundle/MENU Düzenlemesi");
const QString kOptionsDialog = QStringLiteral(" BAGLI ÜRÜNLER - OPSİYONLAR");
const QString kQuantityDialog = QStringLiteral("RECETE URUN MIKTARI DEĞİŞTİR");
const QString kLinkedDialog = QStringLiteral("BAGLI_URUNLER");
const QString kGroupDialog = QStringLiteral("STOGUN GRUBU");
const QString kSettingsDialog = QStringLiteral("Grup/Menü Ayarları");
const QString kOrderDialog = QStringLiteral("STOK_SIRALAMA");
const QString kBulkRecipes = QStringLiteral("INSERT_RECETELER_KENDI");

constexpr qsizetype kNameSearchLength = 30;
constexpr qsizetype kBarcodeSearchBytes = 34;

} // namespace

StockBrowserModel::StockBrowserModel(app::CatalogData& catalog, platform::MessageBoxes& boxes,
                                     StockWindows& windows, BrowserOwner owner)
    : m_catalog(catalog)
    , m_boxes(boxes)
    , m_windows(windows)
    , m_owner(owner) {}

StockBrowserState& StockBrowserModel::browser() {
    return m_catalog.browser();
}

void StockBrowserModel::open() {
    browser().showRecipes = false;
    browser().yemekSepeti = true;
    recipes::readRecipeLines(m_catalog.runner(), m_catalog.recipes().recipeLines);
}

// Clicks.

void StockBrowserModel::ctrlClick(QPoint point) {
    const int row = rowAt(browser(), point);
    if (row < 0)
        return;
    StockViewState& view = browser().displayed[static_cast<std::size_t>(row)].view;
    view.marked = !view.marked;
    view.highlighted = true;
}

void StockBrowserModel::leftClick(QPoint point) {
    if (toggleMarkerAt(point))
        return;
    toggleDeletedAt(point);
    selectRowAt(point);
    toggleDayMenuAt(point);
    selectRecipeLineAt(point);
    if (const int line = recipeLineAt(browser(), point, &RecipePanelLine::linkedCell); line >= 0) {
        selectRecipeLine(static_cast<std::size_t>(line));
        notBuiltYet(kLinkedDialog);
    }
    dispatchButtons(point);
}

bool StockBrowserModel::toggleMarkerAt(QPoint point) {
    const int row = rowAt(browser(), point, &StockViewState::markCell);
    if (row < 0)
        return false;
    clearHighlights(true);
    StockViewState& view = browser().displayed[static_cast<std::size_t>(row)].view;
    view.marked = !view.marked;
    return true;
}

void StockBrowserModel::toggleDeletedAt(QPoint point) {
    const int row = rowAt(browser(), point, &StockViewState::deletedCell);
    if (row < 0)
        return;
    StockDefinition& product = browser().displayed[static_cast<std::size_t>(row)];
    if (product.deletedMark <= 0) {
        retireProduct(m_catalog.runner(), product.stcode);
        product.deletedMark = 1;
    } else {
        restoreProduct(m_catalog.runner(), product.stcode);
        product.deletedMark = 0;
    }
    updateProduct(product);
}

void StockBrowserModel::selectRowAt(QPoint point) {
    if (const int row = rowAt(browser(), point); row >= 0)
        selectRow(static_cast<std::size_t>(row));
    else if (inListArea(point))
        clearHighlights(true);
}

void StockBrowserModel::toggleDayMenuAt(QPoint point) {
    const int row = rowAt(browser(), point, &StockViewState::dayMenuCell);
    if (row < 0)
        return;
    StockDefinition& product = browser().displayed[static_cast<std::size_t>(row)];
    product.gunmenu = product.gunmenu == 1 ? 0 : 1;
    updateDayMenu(m_catalog.runner(), product.stcode, product.gunmenu, true);
    updateProduct(product);
}

void StockBrowserModel::selectRecipeLineAt(QPoint point) {
    if (const int line = recipeLineAt(browser(), point); line >= 0)
        selectRecipeLine(static_cast<std::size_t>(line));
}

void StockBrowserModel::doubleClick(QPoint point) {
    const int row = rowAt(browser(), point);
    if (row >= 0 && browser().displayed[static_cast<std::size_t>(row)].stcode > 0) {
        selectRow(static_cast<std::size_t>(row));
        const StockDefinition& current = m_catalog.currentProduct();
        // The tag cell right of the bundle tag takes no double click.
        if (hitsCell(current, &StockViewState::bundleCell, point))
            notBuiltYet(kBundleDialog);
        else if (hitsCell(current, &StockViewState::orderCell, point))
            notBuiltYet(kOrderDialog);
        else if (!hitsCell(current, &StockViewState::tagCell, point))
            m_windows.openEditProduct(m_owner.window);
    } else if (const int marker = rowAt(browser(), point, &StockViewState::markCell); marker >= 0) {
        StockViewState& view = browser().displayed[static_cast<std::size_t>(marker)].view;
        view.marked = !view.marked;
    }
    if (const int line = recipeLineAt(browser(), point); line >= 0) {
        selectRecipeLine(static_cast<std::size_t>(line));
        notBuiltYet(kQuantityDialog);
    }
}

void StockBrowserModel::rightClick(QPoint point) {
    const int row = rowAt(browser(), point);
    if (row < 0)
        return;
    selectRow(static_cast<std::size_t>(row));
    const bool bundle = hitsCell(m_catalog.currentProduct(), &StockViewState::bundleCell, point);
    notBuiltYet(bundle ? kBundleDialog : kRecipeDialog);
}

// Buttons, in the order the window tests them.

void StockBrowserModel::dispatchButtons(QPoint point) {
    if (hitsButton(browser(), BrowserButton::Ayarla, point))
        notBuiltYet(kSettingsDialog);
    if (inDeadBand(point) || dispatchFixedButtons(point))
        return;
    dispatchProductButtons(point);
}

bool StockBrowserModel::dispatchFixedButtons(QPoint point) {
    if (hitsButton(browser(), BrowserButton::GrubuAta, point)) {
        notBuiltYet(kGroupDialog);
    } else if (hitsButton(browser(), BrowserButton::StokTanimla, point)) {
        m_windows.openNewProduct(m_owner.window);
    } else if (hitsButton(browser(), BrowserButton::Oku, point)) {
        rereadLists();
        showCurrentGroup(browser(), m_catalog.stock().products);
    } else if (hitsButton(browser(), BrowserButton::Hepsi, point)) {
        showEverything();
    } else {
        return false;
    }
    return true;
}

void StockBrowserModel::dispatchProductButtons(QPoint point) {
    const auto hits = [&](BrowserButton button) {
        return hitsButton(browser(), button, point);
    };
    if (hits(BrowserButton::Recetesi))
        openForHighlighted(kRecipeDialog);
    else if (hits(BrowserButton::MenuBundle))
        openForHighlighted(kBundleDialog);
    else if (hits(BrowserButton::Opsiyonlar))
        openForHighlighted(kOptionsDialog);
    else if (hits(BrowserButton::Duzenle))
        m_windows.openEditProduct(m_owner.window);
    else if (hits(BrowserButton::HizliEkle))
        quickSale(true);
    else if (hits(BrowserButton::HizliSil))
        quickSale(false);
    else if (hits(BrowserButton::Sil))
        deleteCurrent();
}

void StockBrowserModel::openForHighlighted(const QString& caption) {
    StockDefinition* row = highlightedRow();
    if (!row)
        return;
    row->view.isCurrent = true;
    m_catalog.currentProduct() = *row;
    notBuiltYet(caption);
}

void StockBrowserModel::quickSale(bool add) {
    const StockDefinition& current = m_catalog.currentProduct();
    const StockDefinition* row = highlightedRow();
    if (current.stcode <= 0 || !row || row->stcode != current.stcode) {
        m_boxes.tell(QStringLiteral("Secilen stok kodu sifir veya herhangi bir stok secilmedi."),
                     QStringLiteral("STOK SECILMEDI"), platform::BoxIcon::None, m_owner.object);
        return;
    }
    const int done = add ? addQuickSale(m_catalog.runner(), m_boxes, current, m_owner.object)
                         : removeQuickSale(m_catalog.runner(), current.stcode);
    if (done > 0)
        readQuickSaleCodes(m_catalog.runner(), m_catalog.stock().quickSaleCodes);
}

void StockBrowserModel::deleteCurrent() {
    const DeleteResult result =
        deleteProduct(m_catalog.runner(), m_boxes, &m_catalog.currentProduct(), m_owner.object);
    if (result != DeleteResult::Deleted)
        return;
    m_catalog.readProducts();
    reapplyFilter(browser(), m_catalog.stock().products);
    listChanged();
}

void StockBrowserModel::rereadLists() {
    const db::StatementRunner& runner = m_catalog.runner();
    StockCatalog& stock = m_catalog.stock();
    recipes::readRecipeLines(runner, m_catalog.recipes().recipeLines);
    readColours(runner, stock.colours);
    readCurrencies(runner, stock.currencies);
    readUnits(runner, stock.units);
    readDepartments(runner, stock.departments);
    m_catalog.readProducts();
}

void StockBrowserModel::showEverything() {
    StockBrowserState& state = browser();
    state.gra = 0;
    state.grb = 0;
    state.grc = 0;
    rereadLists();
    showAll(state, m_catalog.stock().products);
    listChanged();
    state.yemekSepeti = false;
    state.getirYemek = false;
}

// Keys.

void StockBrowserModel::functionKey(Qt::Key key, HeldKeys held) {
    if (key == Qt::Key_F2) {
        const auto& groups = m_catalog.groups();
        if (held.ctrl)
            moveWeighedToSelectedGroup(m_catalog.runner(), m_boxes, groups, false, m_owner.object);
        if (held.shift)
            moveWeighedToSelectedGroup(m_catalog.runner(), m_boxes, groups, true, m_owner.object);
    } else if (key == Qt::Key_F3 && held.leftCtrl) {
        notBuiltYet(kBulkRecipes);
    } else if (key == Qt::Key_F4 && held.leftCtrl) {
        assignPluBarcodes(m_catalog.runner(), m_boxes, m_catalog.stock().products);
    }
}

// Searches and switches.

void StockBrowserModel::nameSearchChanged(const QString& text) {
    const QString wanted = text.left(kNameSearchLength);
    if (wanted.size() >= 2)
        showByName(browser(), m_catalog.stock().products, wanted);
    else if (wanted.isEmpty())
        showCurrentGroup(browser(), m_catalog.stock().products);
    listChanged();
}

void StockBrowserModel::barcodeEntered(const QString& text) {
    const QString wanted = QString::fromUtf8(text.toUtf8().left(kBarcodeSearchBytes));
    showByBarcode(browser(), m_catalog.stock().products, wanted);
}

void StockBrowserModel::platformFilterChanged(int codeClass, bool checked) {
    StockBrowserState& state = browser();
    if (checked) {
        showCodeClass(state, m_catalog.stock().products, codeClass);
    } else {
        showCurrentGroup(state, m_catalog.stock().products);
    }
    state.trendyol = checked && codeClass == kTrendyolClass;
    state.getirYemek = checked && codeClass == kGetirYemekClass;
    state.yemekSepeti = checked && codeClass == kYemekSepetiClass;
    listChanged();
}

void StockBrowserModel::showRecipesChanged(bool checked) {
    browser().showRecipes = checked;
}

// Scrolling.

void StockBrowserModel::wheel(bool towardsUser) {
    const int position = stock::wheel(browser(), towardsUser);
    if (m_setBar)
        m_setBar(position);
}

void StockBrowserModel::scrollBarStep(ScrollStep step, int barPosition, int thumb) {
    const std::optional<int> position = scrollStep(browser(), step, barPosition, thumb);
    if (position && m_setBar)
        m_setBar(*position);
}

void StockBrowserModel::listChanged() {
    resetScroll(browser());
    resetScrollBar();
}

void StockBrowserModel::resetScrollBar() {
    if (m_setBar)
        m_setBar(0);
}

// Row state.

void StockBrowserModel::selectRow(std::size_t row) {
    clearHighlights(true);
    StockDefinition& product = browser().displayed[row];
    product.view.highlighted = true;
    product.view.isCurrent = true;
    m_catalog.currentProduct() = product;
    browser().selectedRecipeLine = 0;
}

void StockBrowserModel::clearHighlights(bool current) {
    for (StockDefinition& product : browser().displayed) {
        product.view.highlighted = false;
        if (current)
            product.view.isCurrent = false;
    }
}

void StockBrowserModel::selectRecipeLine(std::size_t line) {
    clearHighlights(false);
    const recipes::RecipeLine& picked = browser().panelLines[line].line;
    browser().selectedRecipeLine = picked.Id;
    browser().currentRecipeLine = picked;
}

StockDefinition* StockBrowserModel::highlightedRow() {
    auto& rows = browser().displayed;
    const auto found = std::find_if(rows.begin(), rows.end(),
                                    [](const StockDefinition& p) { return p.view.highlighted; });
    return found == rows.end() ? nullptr : &*found;
}

void StockBrowserModel::updateProduct(const StockDefinition& row) {
    auto& products = m_catalog.stock().products;
    const auto found =
        std::find_if(products.begin(), products.end(),
                     [&](const StockDefinition& p) { return p.stcode == row.stcode; });
    if (found != products.end()) {
        found->gunmenu = row.gunmenu;
        found->deletedMark = row.deletedMark;
    }
    if (m_catalog.currentProduct().stcode == row.stcode) {
        m_catalog.currentProduct().gunmenu = row.gunmenu;
        m_catalog.currentProduct().deletedMark = row.deletedMark;
    }
}

void StockBrowserModel::notBuiltYet(const QString& caption) {
    app::showNotBuiltYet(m_boxes, caption, m_owner.object);
}

} // namespace parvela::stock
