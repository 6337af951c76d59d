#include "stock/StockEditorSave.h"

#include "app/CatalogData.h"
#include "app/Notifications.h"
#include "db/Row.h"
#include "db/SqlFormat.h"
#include "db/SqlLiteral.h"
#include "db/StatementRunner.h"
#include "groups/GroupLookups.h"
#include "platform/MessageBoxes.h"
#include "stock/CodeChange.h"
#include "stock/NextCode.h"
#include "stock/ProductChecks.h"
#include "stock/ProductExtrasReader.h"
#include "stock/ProductSave.h"
#include "stock/ProductWriter.h"
#include "stock/StockListReaders.h"

#include <algorithm>

namespace parvela::stock {

namespace {

constexpr int kShortestCheckedBarcode = 4;

template <typename Group, typename Code>
QString nameOf(const std::vector<Group>& groups, int code, Code codeOf) {
    const auto found = std::find_if(groups.begin(), groups.end(),
                                    [&](const Group& g) { return g.*codeOf == code; });
    return found == groups.end() ? QString() : found->wideName;
}

void fillGroupNames(const groups::GroupData& data, StockDefinition& product) {
    product.groupAName = nameOf(data.allGroupA(), product.gra, &groups::GroupA::acode);
    product.groupBName = nameOf(data.allGroupB(), product.grb, &groups::GroupB::bcode);
    product.groupCName = nameOf(data.allGroupC(), product.grc, &groups::GroupC::ccode);
}

// The groups selected on the main screen; one not selected leaves its id.
void takeSelectedGroups(groups::GroupData& data, StockDefinition& product) {
    groups::GroupA a;
    groups::GroupB b;
    groups::GroupC c;
    if (const int code = groups::selectedGroupA(data.screenA(), a); code > 0)
        product.gra = code;
    if (const int code = groups::selectedGroupB(data.screenB(), b); code > 0)
        product.grb = code;
    if (const int code = groups::selectedGroupC(data.screenC(), c); code > 0)
        product.grc = code;
}

void readCodeLists(app::CatalogData& catalog) {
    readStockCodes(catalog.runner(), catalog.stock().codes, catalog.stock().deletedCodes);
}

// The form's variant of the code rule, for the current record's Group A.
StockCode nextCodeForCurrent(app::CatalogData& catalog) {
    const int gra = catalog.currentProduct().gra;
    if (gra <= 0)
        return kNoCode;
    readCodeLists(catalog);
    return nextCodeFromProducts(gra, catalog.stock().products, catalog.stock().deletedCodes);
}

// The current record starts over as a new product filed under the groups
// of `groupsFrom`, with the next code.
void beginNewRecord(app::CatalogData& catalog, const StockDefinition& groupsFrom) {
    StockDefinition& product = catalog.currentProduct();
    product = StockDefinition{};
    product.gra = groupsFrom.gra;
    product.grb = groupsFrom.grb;
    product.grc = groupsFrom.grc;
    fillGroupNames(catalog.groups(), product);
    takeComponentsFromColours(product);
    product.stcode = nextCodeForCurrent(catalog);
    catalog.newProductPending() = true;
}

// The products of the server again, with the colours they are joined with.
void rereadProducts(app::CatalogData& catalog) {
    readColours(catalog.runner(), catalog.stock().colours);
    catalog.readProducts();
}

void reapply(EditorContext& context) {
    if (context.reapplyFilter)
        context.reapplyFilter();
}

// The code and name of a product that has the barcode already; empty when
// none has it.
QString barcodeOwner(const db::StatementRunner& runner, const std::string& barcode) {
    QString owner;
    (void)runner.queryFirst(
        db::Operation("If_BARKOD_EXISTS", db::BoxStyle::ExclamationTopmost), db::schema::stocks,
        "SELECT * FROM stocks.stckdef WHERE stocks.stckdef.barcode=" + db::quotedLiteral(barcode) +
            ";",
        [&](const db::Row& row) {
            // Columns of stckdef: id, stcode, …, stname sixteenth.
            owner =
                QStringLiteral("Bu barkod kayıtlı: %1 - %2").arg(row.int64(2)).arg(row.text(16));
        });
    return owner;
}

// Whether a new product has values that the insert leaves to the table
// defaults or to other tables: flags, discount, chosen colours.
bool needsFullSave(const StockDefinition& p) {
    return p.bundle || p.game_stock || p.related_update || p.yuzde != 0.0F || p.backColor != 0 ||
           p.fontColor != kDefaultFontColour;
}

// Changes the product's code everywhere and follows it in memory.
void moveToCode(EditorContext& context, StockCode oldCode, StockCode newCode) {
    app::CatalogData& catalog = context.catalog;
    catalog.currentProduct().stcode = newCode;
    changeProductCode(catalog.runner(), oldCode, newCode);
    catalog.readProducts();
    reapply(context);
}

} // namespace

void startNewProduct(app::CatalogData& catalog) {
    StockDefinition selected;
    takeSelectedGroups(catalog.groups(), selected);
    beginNewRecord(catalog, selected);
}

bool mayEditCurrent(app::CatalogData& catalog, platform::MessageBoxes& boxes, QObject* owner) {
    if (catalog.currentProduct().stcode > 0)
        return true;
    boxes.tell(QStringLiteral("Secilen stok kodu sifir veya herhangi bir stok secilmedi."),
               QStringLiteral("STOK SECILMEDI"), platform::BoxIcon::None, owner);
    return false;
}

StockEditorForm openForEdit(app::CatalogData& catalog) {
    StockDefinition& product = catalog.currentProduct();
    StockCatalog& lists = catalog.stock();
    readRegions(catalog.runner(), lists.regions);
    readRegionPrice(catalog.runner(), product, lists.regions);
    readPictures(catalog.runner(), lists.pictures);
    product.imagePath = pictureOf(lists.pictures, product.stcode);
    readDiscount(catalog.runner(), product);
    takeComponentsFromColours(product);
    catalog.newProductPending() = false;
    StockEditorForm form = formOfCurrent(catalog);
    readPriceTimes(catalog.runner(), product);
    return form;
}

StockEditorForm formOfCurrent(app::CatalogData& catalog) {
    return formFromRecord(catalog.currentProduct(), catalog.stock().departments);
}

bool saveEdited(EditorContext& context, const StockEditorForm& form) {
    app::CatalogData& catalog = context.catalog;
    StockDefinition& product = catalog.currentProduct();
    if (!readForm(form, catalog.stock().departments, product, context.boxes, context.owner))
        return false;
    saveProduct(catalog.runner(), product, catalog.stock().products);
    return true;
}

CostJob costJobFor(app::CatalogData& catalog) {
    return CostJob{catalog.currentProduct().stcode, catalog.stock().products,
                   catalog.recipes().recipeLines};
}

void finishEditSave(EditorContext& context) {
    rereadProducts(context.catalog);
    reapply(context);
    app::notifyRestaurantProgram(context.messenger);
}

NewSaveResult saveNew(EditorContext& context, const StockEditorForm& form) {
    app::CatalogData& catalog = context.catalog;
    StockDefinition& product = catalog.currentProduct();
    if (!readForm(form, catalog.stock().departments, product, context.boxes, context.owner))
        return {false, true, {}};
    if (form.barcode.size() >= kShortestCheckedBarcode) {
        const QString owner = barcodeOwner(catalog.runner(), product.barcode);
        if (!owner.isEmpty())
            return {false, true, owner};
    }
    const bool inserted = insertProduct(catalog.runner(), context.boxes, product) > 0;
    if (inserted) {
        const StockDefinition saved = product;
        if (needsFullSave(saved))
            saveProduct(catalog.runner(), saved, catalog.stock().products);
        rereadProducts(catalog);
        beginNewRecord(catalog, saved);
    }
    app::notifyRestaurantProgram(context.messenger);
    return {inserted, false, {}};
}

bool renewCode(EditorContext& context) {
    app::CatalogData& catalog = context.catalog;
    const StockCode oldCode = catalog.currentProduct().stcode;
    StockCode code = nextCodeForCurrent(catalog);
    if (code == kNoCode)
        return false;
    while (stockCodeExists(catalog.runner(), code)) {
        readCodeLists(catalog);
        const StockCode again = nextCodeFromCodes(
            catalog.currentProduct().gra, catalog.stock().codes, catalog.stock().deletedCodes);
        if (again == code || again == kNoCode)
            return false; // the server keeps failing: leave the code alone
        code = again;
    }
    moveToCode(context, oldCode, code);
    return true;
}

bool renewFinishedCode(EditorContext& context) {
    app::CatalogData& catalog = context.catalog;
    const StockCode oldCode = catalog.currentProduct().stcode;
    readCodeLists(catalog);
    const StockCode code = firstFreeCode(kFinishedPrefix, 1, codeSetOf(catalog.stock().codes),
                                         codeSetOf(catalog.stock().deletedCodes));
    if (code == kNoCode)
        return false;
    // A product not saved yet has nothing under its code to move.
    if (catalog.newProductPending())
        catalog.currentProduct().stcode = code;
    else
        moveToCode(context, oldCode, code);
    return true;
}

void applyBackColour(StockDefinition& product, groups::Rgb colour) {
    product.backColor = colour;
    product.red = groups::redOf(colour);
    product.green = groups::greenOf(colour);
    product.blue = groups::blueOf(colour);
}

void applyFontColour(StockDefinition& product, groups::Rgb colour) {
    product.fontColor = colour;
    product.redfnt = groups::redOf(colour);
    product.greenfnt = groups::greenOf(colour);
    product.bluefnt = groups::blueOf(colour);
}

} // namespace parvela::stock
