#include "stock/browser/StockBrowserModel.h"

#include "labels/WeighedBarcodes.h"
#include "platform/MessageBoxes.h"
#include "recipes/RecipeListReaders.h"
#include "records/CatalogueEdits.h"
#include "stock/browser/ProductFilters.h"
#include "stock/browser/StockBrowserHitTest.h"
#include "stock/catalogue/ProductDelete.h"
#include "stock/catalogue/ProductWriter.h"
#include "stock/catalogue/QuickSale.h"
#include "stock/catalogue/StockContext.h"
#include "stock/catalogue/StockListReaders.h"
#include "stock/catalogue/StockWindows.h"
#include "stock/catalogue/WeighedProducts.h"

#include <algorithm>
#include <unordered_map>

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
    std::vector<recipes::RecipeLine> lines;
    if (recipes::readRecipeLines(m_context.runner, lines) >= 0)
        putRecipeLines(m_context.catalogue, std::move(lines));
    refresh();
}

const CatalogueRef& StockBrowserModel::newest() const {
    return m_context.catalogue.current();
}

void StockBrowserModel::refresh() {
    if (m_acting == 0 && refreshIfStale(m_state, newest()) && m_setBar)
        m_setBar(m_state.firstRow);
}

// Clicks.

void StockBrowserModel::ctrlClick(QPoint point) {
    const Acting acting(*this);
    const int row = rowAt(m_state, point);
    if (row < 0)
        return;
    BrowserRow& flags = m_state.displayed[static_cast<std::size_t>(row)];
    flags.marked = !flags.marked;
    flags.highlighted = true;
}

void StockBrowserModel::leftClick(QPoint point) {
    const Acting acting(*this);
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
    const StockDefinition& product = productOf(m_state, static_cast<std::size_t>(row));
    const StockCode code = product.stcode;
    // The mark follows what the server did, not what was asked.
    std::int16_t mark = -1;
    if (product.deletedMark <= 0) {
        if (retireProduct(m_context.runner, code) > 0)
            mark = 1;
    } else if (restoreProduct(m_context.runner, code) > 0) {
        mark = 0;
    }
    if (mark >= 0)
        changeProducts(m_context.catalogue, {code},
                       [mark](StockDefinition& p) { p.deletedMark = mark; });
    followCurrent();
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
    const StockDefinition& product = productOf(m_state, static_cast<std::size_t>(row));
    const StockCode code = product.stcode;
    const std::int16_t wanted = product.gunmenu == 1 ? 0 : 1;
    if (updateDayMenu(m_context.runner, code, wanted, true) > 0)
        changeProducts(m_context.catalogue, {code},
                       [wanted](StockDefinition& p) { p.gunmenu = wanted; });
    followCurrent();
}

void StockBrowserModel::selectRecipeLineAt(QPoint point) {
    if (const int line = recipeLineAt(m_state, point); line >= 0)
        selectRecipeLine(static_cast<std::size_t>(line));
}

void StockBrowserModel::doubleClick(QPoint point) {
    const Acting acting(*this);
    const int row = rowAt(m_state, point);
    const auto index = static_cast<std::size_t>(row);
    if (row >= 0 && productOf(m_state, index).stcode > 0) {
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
    const Acting acting(*this);
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
    if (hitsButton(m_state, BrowserButton::Ayarla, point)) {
        // Asked for when each setting runs: the list may be built anew meanwhile.
        m_features.groups.groupSettings(
            [this] {
                return ListedCodes{listedCodes(), markedCodes()};
            },
            m_owner.window);
    }
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
        showCurrentGroup(m_state, newest());
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
    m_state.current = m_state.shown->products[found->product];
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
            codes.push_back(m_state.shown->products[row.product].stcode);
    }
    return codes;
}

void StockBrowserModel::quickSale(bool add) {
    const StockDefinition& current = m_state.current;
    const bool highlighted =
        std::any_of(m_state.displayed.begin(), m_state.displayed.end(), [&](const BrowserRow& row) {
            return row.highlighted && m_state.shown->products[row.product].stcode == current.stcode;
        });
    if (current.stcode <= 0 || !highlighted) {
        m_context.boxes.tell(
            QStringLiteral("Secilen stok kodu sifir veya herhangi bir stok secilmedi."),
            QStringLiteral("STOK SECILMEDI"), platform::BoxIcon::None, m_owner.object);
        return;
    }
    const StockCode code = current.stcode;
    const int done = add ? addQuickSale(m_context.runner, m_context.boxes, current, m_owner.object)
                         : removeQuickSale(m_context.runner, code);
    if (done <= 0)
        return;
    std::vector<StockCode> codes;
    if (readQuickSaleCodes(m_context.runner, codes) >= 0)
        m_context.catalogue.change(
            [&codes](Catalogue& next) { next.quickSaleCodes = std::move(codes); });
    changeProducts(m_context.catalogue, {code}, [add](StockDefinition& p) { p.isQuickSale = add; });
}

void StockBrowserModel::deleteCurrent() {
    const DeleteResult result =
        deleteProduct(m_context.runner, m_context.boxes, &m_state.current, m_owner.object);
    if (result != DeleteResult::Deleted)
        return;
    // The deleted product is gone: no button may act on it any more.
    const StockCode deleted = m_state.current.stcode;
    m_state.current = StockDefinition{};
    removeProduct(m_context.catalogue, deleted);
    readAgainLater(m_context);
    refreshIfStale(m_state, newest());
    listChanged();
}

// The products and every list read with them, as the server has them now,
// read in the background: the list shows what there is and takes the rest
// in by code when it comes.
void StockBrowserModel::rereadLists() {
    readEverythingLater(m_context);
}

void StockBrowserModel::showEverything() {
    m_state.gra = 0;
    m_state.grb = 0;
    m_state.grc = 0;
    rereadLists();
    showAll(m_state, newest());
    listChanged();
    m_state.yemekSepeti = false;
    m_state.getirYemek = false;
}

// Keys.

void StockBrowserModel::functionKey(Qt::Key key, HeldKeys held) {
    const Acting acting(*this);
    if (key == Qt::Key_F2) {
        const groups::GroupData& groups = m_context.groups;
        bool moved = false;
        if (held.ctrl)
            moved = moveWeighedToSelectedGroup(m_context.runner, m_context.boxes, groups, false,
                                               m_owner.object) ||
                    moved;
        if (held.shift)
            moved = moveWeighedToSelectedGroup(m_context.runner, m_context.boxes, groups, true,
                                               m_owner.object) ||
                    moved;
        if (moved)
            readAgainLater(m_context);
    } else if (key == Qt::Key_F3 && held.leftCtrl) {
        m_features.recipes.insertBulkRecipes(listedCodes(), m_owner.window);
    } else if (key == Qt::Key_F4 && held.leftCtrl) {
        // The weighed list, and so the scales' file, follows the new codes at once.
        labels::assignWeighedBarcodes(
            m_context.runner, m_context.boxes, newest()->products,
            [this](const std::vector<labels::AssignedCode>& assigned) {
                std::unordered_map<StockCode, std::string> codeOf;
                std::vector<StockCode> codes;
                for (const labels::AssignedCode& a : assigned) {
                    codeOf.emplace(a.product, a.barcode);
                    codes.push_back(a.product);
                }
                changeProducts(m_context.catalogue, codes,
                               [&codeOf](StockDefinition& p) { p.barcode = codeOf.at(p.stcode); });
            },
            m_owner.object, m_context.behindProgress);
    }
    followCurrent();
}

// Searches and switches.

void StockBrowserModel::nameSearchChanged(const QString& text) {
    const Acting acting(*this);
    const QString wanted = text.left(kNameSearchLength);
    if (wanted.size() >= 2)
        showByName(m_state, newest(), wanted);
    else if (wanted.isEmpty())
        showCurrentGroup(m_state, newest());
    listChanged();
}

void StockBrowserModel::barcodeEntered(const QString& text) {
    const Acting acting(*this);
    const QString wanted = QString::fromUtf8(text.toUtf8().left(kBarcodeSearchBytes));
    showByBarcode(m_state, newest(), wanted);
}

void StockBrowserModel::platformFilterChanged(int codeClass, bool checked) {
    const Acting acting(*this);
    if (checked)
        showCodeClass(m_state, newest(), codeClass);
    else
        showCurrentGroup(m_state, newest());
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
    m_state.notice.clear();
    // A save elsewhere (a recipe's cost, say) may have changed the product
    // the buttons and the recipe panel show.
    followCurrent();
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
    m_state.current = m_state.shown->products[flags.product];
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

void StockBrowserModel::followCurrent() {
    if (m_state.current.stcode == 0)
        return;
    if (const StockDefinition* listed = newest()->find(m_state.current.stcode))
        m_state.current = *listed;
}

} // namespace parvela::stock
