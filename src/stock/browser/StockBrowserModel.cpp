#include "stock/browser/StockBrowserModel.h"

#include "labels/WeighedBarcodes.h"
#include "platform/MessageBoxes.h"
#include "recipes/RecipeListReaders.h"
#include "stock/catalogue/ProductDelete.h"
#include "stock/browser/ProductFilters.h"
#include "stock/catalogue/ProductWriter.h"
#include "stock/catalogue/QuickSale.h"
#include "stock/browser/StockBrowserHitTest.h"
#include "stock/catalogue/StockContext.h"
#include "stock/catalogue/StockListReaders.h"
#include "stock/catalogue/StockWindows.h"
#include "stock/catalogue/WeighedProducts.h"

#include <algorithm>

namespace parvela::stock {

namespace {

constexpr qsizetype kNameSearchLength = 30;
constexpr qsizetype kBarcodeSearchBytes = 34;

} // namespace

StockBrowserModel::StockBrowserModel(StockContext& context, StockBrowserState& state,
                                     StockWindows& windows, StockFeatures features,
                                     BrowserOwner owner)
    : m_context(context)
    , m_state(state)
    , m_windows(windows)
    , m_features(features)
    , m_owner(owner) {}

void StockBrowserModel::open() {
    m_state.showRecipes = false;
    // The list shows the group it was opened for, so no platform box is
    // ticked: a ticked box over an unfiltered list would tell the user wrong.
    m_state.yemekSepeti = false;
    refresh();
    recipes::readRecipeLines(m_context.runner, m_context.recipeLines);
}

void StockBrowserModel::refresh() {
    if (refreshIfStale(m_state, m_context.stock) && m_setBar)
        m_setBar(m_state.firstRow);
}

// Clicks.

void StockBrowserModel::ctrlClick(QPoint point) {
    const int row = rowAt(m_state, point);
    if (row < 0)
        return;
    BrowserRow& flags = m_state.displayed[static_cast<std::size_t>(row)];
    flags.marked = !flags.marked;
    flags.highlighted = true;
}

void StockBrowserModel::leftClick(QPoint point) {
    if (toggleMarkerAt(point))
        return;
    toggleDeletedAt(point);
    selectRowAt(point);
    toggleDayMenuAt(point);
    selectRecipeLineAt(point);
    if (const int line = recipeLineAt(m_state, point, &RecipePanelLine::linkedCell); line >= 0) {
        selectRecipeLine(static_cast<std::size_t>(line));
        m_features.recipes.showLinkedProducts(m_state.currentRecipeLine, m_owner.window);
    }
    dispatchButtons(point);
}

bool StockBrowserModel::toggleMarkerAt(QPoint point) {
    const int row = rowAt(m_state, point, &RowCells::markCell);
    if (row < 0)
        return false;
    clearHighlights(true);
    BrowserRow& flags = m_state.displayed[static_cast<std::size_t>(row)];
    flags.marked = !flags.marked;
    return true;
}

void StockBrowserModel::toggleDeletedAt(QPoint point) {
    const int row = rowAt(m_state, point, &RowCells::deletedCell);
    if (row < 0)
        return;
    StockDefinition& product = productOf(m_state, m_context.stock, static_cast<std::size_t>(row));
    // The mark follows what the server did, not what was asked.
    if (product.deletedMark <= 0) {
        if (retireProduct(m_context.runner, product.stcode) > 0)
            product.deletedMark = 1;
    } else if (restoreProduct(m_context.runner, product.stcode) > 0) {
        product.deletedMark = 0;
    }
    followRow(product);
}

void StockBrowserModel::selectRowAt(QPoint point) {
    if (const int row = rowAt(m_state, point); row >= 0)
        selectRow(static_cast<std::size_t>(row));
    else if (inListArea(point))
        clearHighlights(true);
}

void StockBrowserModel::toggleDayMenuAt(QPoint point) {
    const int row = rowAt(m_state, point, &RowCells::dayMenuCell);
    if (row < 0)
        return;
    StockDefinition& product = productOf(m_state, m_context.stock, static_cast<std::size_t>(row));
    const std::int16_t wanted = product.gunmenu == 1 ? 0 : 1;
    if (updateDayMenu(m_context.runner, product.stcode, wanted, true) > 0)
        product.gunmenu = wanted;
    followRow(product);
}

void StockBrowserModel::selectRecipeLineAt(QPoint point) {
    if (const int line = recipeLineAt(m_state, point); line >= 0)
        selectRecipeLine(static_cast<std::size_t>(line));
}

void StockBrowserModel::doubleClick(QPoint point) {
    const int row = rowAt(m_state, point);
    const auto index = static_cast<std::size_t>(row);
    if (row >= 0 && productOf(m_state, m_context.stock, index).stcode > 0) {
        selectRow(index);
        // The tag cell right of the bundle tag takes no double click.
        if (hitsCell(m_state, index, &RowCells::bundleCell, point))
            m_features.recipes.openBundle(m_state.current, m_owner.window);
        else if (hitsCell(m_state, index, &RowCells::orderCell, point))
            m_features.ordering.productOrder(m_state.current, m_owner.window);
        else if (!hitsCell(m_state, index, &RowCells::tagCell, point))
            m_windows.openEditProduct(m_state.current, m_owner.window);
    } else if (const int marker = rowAt(m_state, point, &RowCells::markCell); marker >= 0) {
        BrowserRow& flags = m_state.displayed[static_cast<std::size_t>(marker)];
        flags.marked = !flags.marked;
    }
    if (const int line = recipeLineAt(m_state, point); line >= 0) {
        selectRecipeLine(static_cast<std::size_t>(line));
        m_features.recipes.changeQuantity(m_state.currentRecipeLine, m_owner.window);
    }
}

void StockBrowserModel::rightClick(QPoint point) {
    const int row = rowAt(m_state, point);
    if (row < 0)
        return;
    const auto index = static_cast<std::size_t>(row);
    selectRow(index);
    if (hitsCell(m_state, index, &RowCells::bundleCell, point))
        m_features.recipes.openBundle(m_state.current, m_owner.window);
    else
        m_features.recipes.openRecipe(m_state.current, m_owner.window);
}

// Buttons, in the order the window tests them.

void StockBrowserModel::dispatchButtons(QPoint point) {
    if (hitsButton(m_state, BrowserButton::Ayarla, point))
        m_features.groups.groupSettings(m_state, m_owner.window);
    if (inDeadBand(point) || dispatchFixedButtons(point))
        return;
    dispatchProductButtons(point);
}

bool StockBrowserModel::dispatchFixedButtons(QPoint point) {
    if (hitsButton(m_state, BrowserButton::GrubuAta, point)) {
        m_features.groups.assignGroup(markedCodes(), m_owner.window);
    } else if (hitsButton(m_state, BrowserButton::StokTanimla, point)) {
        m_windows.openNewProduct(m_owner.window);
    } else if (hitsButton(m_state, BrowserButton::Oku, point)) {
        rereadLists();
        showCurrentGroup(m_state, m_context.stock);
    } else if (hitsButton(m_state, BrowserButton::Hepsi, point)) {
        showEverything();
    } else {
        return false;
    }
    return true;
}

void StockBrowserModel::dispatchProductButtons(QPoint point) {
    const auto hits = [&](BrowserButton button) {
        return hitsButton(m_state, button, point);
    };
    RecipeWindows& recipes = m_features.recipes;
    if (hits(BrowserButton::Recetesi)) {
        if (takeHighlighted())
            recipes.openRecipe(m_state.current, m_owner.window);
    } else if (hits(BrowserButton::MenuBundle)) {
        if (takeHighlighted())
            recipes.openBundle(m_state.current, m_owner.window);
    } else if (hits(BrowserButton::Opsiyonlar)) {
        if (takeHighlighted())
            recipes.openOptions(m_state.current, m_owner.window);
    } else if (hits(BrowserButton::Duzenle)) {
        m_windows.openEditProduct(m_state.current, m_owner.window);
    } else if (hits(BrowserButton::HizliEkle)) {
        quickSale(true);
    } else if (hits(BrowserButton::HizliSil)) {
        quickSale(false);
    } else if (hits(BrowserButton::Sil)) {
        deleteCurrent();
    }
}

bool StockBrowserModel::takeHighlighted() {
    const auto found = std::find_if(m_state.displayed.begin(), m_state.displayed.end(),
                                    [](const BrowserRow& row) { return row.highlighted; });
    if (found == m_state.displayed.end())
        return false;
    found->isCurrent = true;
    m_state.current = m_context.stock.products[found->product];
    return true;
}

std::vector<StockCode> StockBrowserModel::listedCodes() const {
    return codesOfRows([](const BrowserRow&) { return true; });
}

std::vector<StockCode> StockBrowserModel::markedCodes() const {
    return codesOfRows([](const BrowserRow& row) { return row.marked; });
}

std::vector<StockCode>
StockBrowserModel::codesOfRows(const std::function<bool(const BrowserRow&)>& wanted) const {
    std::vector<StockCode> codes;
    for (const BrowserRow& row : m_state.displayed) {
        if (wanted(row))
            codes.push_back(m_context.stock.products[row.product].stcode);
    }
    return codes;
}

void StockBrowserModel::quickSale(bool add) {
    const StockDefinition& current = m_state.current;
    const bool highlighted =
        std::any_of(m_state.displayed.begin(), m_state.displayed.end(), [&](const BrowserRow& row) {
            return row.highlighted &&
                   m_context.stock.products[row.product].stcode == current.stcode;
        });
    if (current.stcode <= 0 || !highlighted) {
        m_context.boxes.tell(
            QStringLiteral("Secilen stok kodu sifir veya herhangi bir stok secilmedi."),
            QStringLiteral("STOK SECILMEDI"), platform::BoxIcon::None, m_owner.object);
        return;
    }
    const int done = add ? addQuickSale(m_context.runner, m_context.boxes, current, m_owner.object)
                         : removeQuickSale(m_context.runner, current.stcode);
    if (done > 0)
        readQuickSaleCodes(m_context.runner, m_context.stock.quickSaleCodes);
}

void StockBrowserModel::deleteCurrent() {
    const DeleteResult result =
        deleteProduct(m_context.runner, m_context.boxes, &m_state.current, m_owner.object);
    if (result != DeleteResult::Deleted)
        return;
    // The deleted product is gone: no button may act on it any more.
    m_state.current = StockDefinition{};
    m_context.rereadProducts();
    reapplyFilter(m_state, m_context.stock);
    listChanged();
}

void StockBrowserModel::rereadLists() {
    const db::StatementRunner& runner = m_context.runner;
    StockCatalog& stock = m_context.stock;
    recipes::readRecipeLines(runner, m_context.recipeLines);
    readColours(runner, stock.colours);
    readCurrencies(runner, stock.currencies);
    readUnits(runner, stock.units);
    readDepartments(runner, stock.departments);
    m_context.rereadProducts();
}

void StockBrowserModel::showEverything() {
    m_state.gra = 0;
    m_state.grb = 0;
    m_state.grc = 0;
    rereadLists();
    showAll(m_state, m_context.stock);
    listChanged();
    m_state.yemekSepeti = false;
    m_state.getirYemek = false;
}

// Keys.

void StockBrowserModel::functionKey(Qt::Key key, HeldKeys held) {
    if (key == Qt::Key_F2) {
        const groups::GroupData& groups = m_context.groups;
        if (held.ctrl)
            moveWeighedToSelectedGroup(m_context.runner, m_context.boxes, groups, false,
                                       m_owner.object);
        if (held.shift)
            moveWeighedToSelectedGroup(m_context.runner, m_context.boxes, groups, true,
                                       m_owner.object);
    } else if (key == Qt::Key_F3 && held.leftCtrl) {
        m_features.recipes.insertBulkRecipes(listedCodes(), m_owner.window);
    } else if (key == Qt::Key_F4 && held.leftCtrl) {
        labels::assignWeighedBarcodes(m_context.runner, m_context.boxes, m_context.stock.products);
    }
}

// Searches and switches.

void StockBrowserModel::nameSearchChanged(const QString& text) {
    const QString wanted = text.left(kNameSearchLength);
    if (wanted.size() >= 2)
        showByName(m_state, m_context.stock, wanted);
    else if (wanted.isEmpty())
        showCurrentGroup(m_state, m_context.stock);
    listChanged();
}

void StockBrowserModel::barcodeEntered(const QString& text) {
    const QString wanted = QString::fromUtf8(text.toUtf8().left(kBarcodeSearchBytes));
    showByBarcode(m_state, m_context.stock, wanted);
}

void StockBrowserModel::platformFilterChanged(int codeClass, bool checked) {
    if (checked)
        showCodeClass(m_state, m_context.stock, codeClass);
    else
        showCurrentGroup(m_state, m_context.stock);
    m_state.trendyol = checked && codeClass == kTrendyolClass;
    m_state.getirYemek = checked && codeClass == kGetirYemekClass;
    m_state.yemekSepeti = checked && codeClass == kYemekSepetiClass;
    listChanged();
}

void StockBrowserModel::showRecipesChanged(bool checked) {
    m_state.showRecipes = checked;
    // Fewer rows fit above the panel: the last page must still be full.
    if (m_setBar)
        m_setBar(scrollStep(m_state, ScrollStep::Thumb, m_state.firstRow));
}

// Scrolling.

void StockBrowserModel::wheel(bool towardsUser) {
    const int position = stock::wheel(m_state, towardsUser);
    if (m_setBar)
        m_setBar(position);
}

void StockBrowserModel::scrollBarStep(ScrollStep step, int thumb) {
    const int position = scrollStep(m_state, step, thumb);
    if (m_setBar)
        m_setBar(position);
}

void StockBrowserModel::listChanged() {
    resetScroll(m_state);
    resetScrollBar();
    // A save elsewhere (a recipe's cost, say) may have changed the product
    // the buttons and the recipe panel show.
    const std::vector<StockDefinition>& products = m_context.stock.products;
    const auto listed = std::find_if(products.begin(), products.end(), [&](const auto& product) {
        return product.stcode == m_state.current.stcode;
    });
    if (m_state.current.stcode != 0 && listed != products.end())
        m_state.current = *listed;
}

void StockBrowserModel::resetScrollBar() {
    if (m_setBar)
        m_setBar(0);
}

// Row state.

void StockBrowserModel::selectRow(std::size_t row) {
    clearHighlights(true);
    BrowserRow& flags = m_state.displayed[row];
    flags.highlighted = true;
    flags.isCurrent = true;
    m_state.current = m_context.stock.products[flags.product];
    m_state.selectedRecipeLine = 0;
}

void StockBrowserModel::clearHighlights(bool current) {
    for (BrowserRow& row : m_state.displayed) {
        row.highlighted = false;
        if (current)
            row.isCurrent = false;
    }
}

void StockBrowserModel::selectRecipeLine(std::size_t line) {
    clearHighlights(false);
    const recipes::RecipeLine& picked = m_state.panelLines[line].line;
    m_state.selectedRecipeLine = picked.Id;
    m_state.currentRecipeLine = picked;
}

void StockBrowserModel::followRow(const StockDefinition& product) {
    if (m_state.current.stcode == product.stcode) {
        m_state.current.gunmenu = product.gunmenu;
        m_state.current.deletedMark = product.deletedMark;
    }
}

} // namespace parvela::stock
