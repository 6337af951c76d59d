#include "stock/editor/StockEditorSave.h"

#include "db/Row.h"
#include "db/StatementRunner.h"
#include "db/Transaction.h"
#include "groups/GroupData.h"
#include "groups/GroupLookups.h"
#include "labels/WeighedBarcodes.h"
#include "platform/MessageBoxes.h"
#include "platform/Notifications.h"
#include "records/CatalogueEdits.h"
#include "stock/catalogue/CodeChange.h"
#include "stock/catalogue/NextCode.h"
#include "stock/catalogue/ProductChecks.h"
#include "stock/catalogue/ProductExtrasReader.h"
#include "stock/catalogue/ProductSave.h"
#include "stock/catalogue/ProductWriter.h"
#include "stock/catalogue/StockContext.h"
#include "stock/catalogue/StockListReaders.h"

#include <algorithm>

namespace parvela::stock {

namespace {

constexpr qsizetype kShortestCheckedBarcode = 4;

// The groups selected on the main screen; one not selected leaves its id.
// The deepest group picked decides its parents ("Hepsi" lists every Group B
// whatever Group A is picked), and with them the code series.
void takeSelectedGroups(const groups::GroupData& data, StockDefinition& product) {
    groups::GroupA a;
    groups::GroupB b;
    groups::GroupC c;
    if (const int code = groups::selectedGroupA(data.screenA(), a); code > 0)
        product.gra = code;
    if (const int code = groups::selectedGroupB(data.screenB(), b); code > 0) {
        product.grb = code;
        product.gra = b.acode;
    }
    if (const int code = groups::selectedGroupC(data.screenC(), c); code > 0) {
        product.grc = code;
        product.grb = c.bcode;
        product.gra = c.acode;
    }
}

// The codes of stckdef and of deleted products, as the server has them now.
struct CodeLists {
    std::vector<StockCode> codes;
    std::vector<StockCode> deletedCodes;
};

CodeLists readCodeLists(const StockContext& context) {
    CodeLists lists;
    readStockCodes(context.runner, lists.codes, lists.deletedCodes);
    return lists;
}

// Codes never to hand out again: those of deleted products, and those that
// rows of other tables still carry.
CodeSet retiredCodes(const StockContext& context, const CodeLists& lists) {
    std::vector<StockCode> owningRows;
    readCodesOwningRows(context.runner, owningRows);
    CodeSet retired = codeSetOf(lists.deletedCodes);
    retired.insert(owningRows.begin(), owningRows.end());
    return retired;
}

// The form's variant of the code rule, for the product's Group A.
StockCode nextCodeFor(StockContext& context, int gra) {
    if (gra <= 0)
        return kNoCode;
    const CodeLists lists = readCodeLists(context);
    const CatalogueRef catalogue = context.catalogue.current();
    return firstFreeCode(gra, 1, codeSetOf(catalogue->products), retiredCodes(context, lists));
}

// A new product filed under the groups of `groupsFrom`, with the next code.
EditedProduct newRecord(StockContext& context, const StockDefinition& groupsFrom) {
    EditedProduct edited;
    StockDefinition& product = edited.product;
    product.gra = groupsFrom.gra;
    product.grb = groupsFrom.grb;
    product.grc = groupsFrom.grc;
    edited.groupNames = context.groups.namesOf(product.gra, product.grb, product.grc);
    takeComponentsFromColours(product);
    product.stcode = nextCodeFor(context, product.gra);
    edited.isNew = true;
    return edited;
}

void reapply(EditorContext& context) {
    if (context.reapplyFilter)
        context.reapplyFilter();
}

// "Bu barkod kayıtlı: code - name" for a product other than `self` that has
// the barcode already; empty when none has it.
QString barcodeTaken(const db::StatementRunner& runner, const std::string& barcode,
                     StockCode self) {
    QString owner;
    (void)runner.query(labels::barcodeRowsOperation(), db::schema::stocks,
                       labels::barcodeRowsStatement(barcode), [&](const db::Row& row) {
                           // Columns of stckdef: id, stcode, …, stname sixteenth.
                           if (owner.isEmpty() && row.int64(2) != self)
                               owner = QStringLiteral("Bu barkod kayıtlı: %1 - %2")
                                           .arg(row.int64(2))
                                           .arg(row.text(16));
                       });
    return owner;
}

// `typed` is what decides whether the barcode is long enough to check.
QString barcodeCheck(const StockContext& context, const QString& typed, const std::string& barcode,
                     StockCode self) {
    if (typed.size() < kShortestCheckedBarcode)
        return {};
    return barcodeTaken(context.runner, barcode, self);
}

// A weighed code cut to its key, or replaced by a free one (shown at once).
void validateBarcode(EditorContext& context, StockDefinition& product) {
    StockContext& stock = context.stock;
    product.barcode = labels::validateWeighedBarcode(
        stock.runner, stock.boxes, product.barcode, [&context](const std::string& code) {
            if (context.showBarcode)
                context.showBarcode(QString::fromStdString(code));
        });
}

// Whether a new product has values that the insert leaves to the table
// defaults or to other tables: flags, discount, chosen colours.
bool needsFullSave(const StockDefinition& p) {
    return p.bundle || p.game_stock || p.related_update || p.yuzde != 0.0F || p.backColor != 0 ||
           p.fontColor != kDefaultFontColour;
}

// The row and what the insert leaves to the table defaults and to other
// tables (colours, discount, flags) in one change: all of it or nothing.
bool insertWhole(StockContext& stock, const StockDefinition& product) {
    db::Transaction change(stock.runner, db::Operation("INSERT_NEW_STOCK_DEFINITION"));
    change.journalAs(kNewSaveCaption);
    keepProductRows(change, product);
    if (change.failed() || insertProductRow(stock.runner, product) <= 0)
        return false;
    if (needsFullSave(product) &&
        saveProduct(stock.runner, product, stock.catalogue) != ProductSaved::Yes)
        return false;
    return change.commit() == db::Outcome::Completed;
}

void tellGone(EditorContext& context, StockCode code) {
    context.stock.boxes.tell(
        QStringLiteral("Bu stok artık kayıtlı değil (stok kodu %1): başka bir yerden silinmiş "
                       "olabilir. Değişiklikler yazılmadı.")
            .arg(code),
        QStringLiteral("UPDATE_STOCK_DEF"), platform::BoxIcon::Exclamation, context.owner);
}

// Changes the product's code everywhere and follows it in memory; false
// when the product's own row kept its old code.
bool moveToCode(EditorContext& context, EditedProduct& edited, StockCode newCode) {
    const StockCode oldCode = edited.product.stcode;
    const bool moved = changeProductCode(context.stock.runner, oldCode, newCode) > 0;
    if (moved) {
        edited.product.stcode = newCode;
        recodeProduct(context.stock.catalogue, oldCode, newCode);
    }
    readAgainLater(context.stock);
    reapply(context);
    return moved;
}

} // namespace

EditedProduct startNewProduct(StockContext& context) {
    StockDefinition selected;
    takeSelectedGroups(context.groups, selected);
    return newRecord(context, selected);
}

bool mayEdit(const StockDefinition& current, platform::MessageBoxes& boxes, QObject* owner) {
    if (current.stcode > 0)
        return true;
    boxes.tell(QStringLiteral("Secilen stok kodu sifir veya herhangi bir stok secilmedi."),
               QStringLiteral("STOK SECILMEDI"), platform::BoxIcon::None, owner);
    return false;
}

EditedProduct openForEdit(StockContext& context, const StockDefinition& current) {
    EditedProduct edited;
    edited.product = current;
    StockDefinition& product = edited.product;
    readRegions(context.runner, edited.regions);
    readRegionPrice(context.runner, product, edited.regions);
    std::vector<ProductPicture> pictures;
    readPictures(context.runner, pictures);
    product.imagePath = pictureOf(pictures, product.stcode);
    readDiscount(context.runner, product);
    takeComponentsFromColours(product);
    readPriceTimes(context.runner, edited);
    edited.groupNames = context.groups.namesOf(product.gra, product.grb, product.grc);
    return edited;
}

StockEditorForm formOf(const EditedProduct& edited, const StockContext& context) {
    return formFromRecord(edited.product, context.catalogue.current()->departments);
}

SaveOutcome saveEdited(EditorContext& context, EditedProduct& edited, const StockEditorForm& form) {
    StockContext& stock = context.stock;
    StockDefinition read = edited.product;
    if (!readForm(form, stock.catalogue.current()->departments, read, stock.boxes, context.owner))
        return {EditSaveResult::Stopped, {}};
    if (QString taken = barcodeCheck(stock, form.barcode, read.barcode, read.stcode);
        !taken.isEmpty())
        return {EditSaveResult::Stopped, std::move(taken)};
    // A product deleted meanwhile gets no colour or discount rows of a
    // product that no longer exists.
    if (!stockCodeExists(stock.runner, read.stcode)) {
        tellGone(context, read.stcode);
        return {EditSaveResult::Gone, {}};
    }
    switch (saveProduct(stock.runner, read, stock.catalogue)) {
    case ProductSaved::Yes:
        edited.product = std::move(read);
        return {EditSaveResult::Saved, {}};
    case ProductSaved::NoSuchRow:
        tellGone(context, read.stcode);
        return {EditSaveResult::Gone, {}};
    case ProductSaved::Failed:
        break;
    }
    // Nothing of it stays: the lists show what the server holds.
    readAgainLater(stock);
    return {EditSaveResult::Failed, {}};
}

std::shared_ptr<const recipes::CostIndex> costIndexFor(const StockContext& context) {
    const CatalogueRef catalogue = context.catalogue.current();
    return std::make_shared<const recipes::CostIndex>(catalogue->products,
                                                      catalogue->recipes.recipeLines);
}

void finishEditSave(EditorContext& context) {
    // The saved row is in the catalogue already: the manager need not wait
    // for the whole list to come again.
    readAgainLater(context.stock);
    reapply(context);
    platform::notifyRestaurantProgram(context.stock.messenger);
}

NewSaveResult saveNew(EditorContext& context, EditedProduct& edited, const StockEditorForm& form) {
    StockContext& stock = context.stock;
    StockDefinition read = edited.product;
    if (!readForm(form, stock.catalogue.current()->departments, read, stock.boxes, context.owner))
        return {false, true, {}};
    validateBarcode(context, read);
    if (QString taken =
            barcodeCheck(stock, QString::fromStdString(read.barcode), read.barcode, kNoCode);
        !taken.isEmpty())
        return {false, true, std::move(taken)};
    // Refused or failed, and said so: the form stays as typed.
    if (mayInsertProduct(stock.runner, stock.boxes, read) <= 0)
        return {false, false, {}};
    if (!insertWhole(stock, read)) {
        readAgainLater(stock);
        return {false, false, {}};
    }
    putProduct(stock.catalogue, read);
    readAgainLater(stock);
    edited = newRecord(stock, read);
    reapply(context);
    platform::notifyRestaurantProgram(stock.messenger);
    return {true, false, {}};
}

bool renewCode(EditorContext& context, EditedProduct& edited) {
    StockContext& stock = context.stock;
    const int gra = edited.product.gra;
    StockCode code = nextCodeFor(stock, gra);
    if (code == kNoCode)
        return false;
    while (stockCodeExists(stock.runner, code)) {
        const CodeLists lists = readCodeLists(stock);
        const StockCode again =
            firstFreeCode(gra, 1, codeSetOf(lists.codes), retiredCodes(stock, lists));
        if (again == code || again == kNoCode)
            return false; // the server keeps failing: leave the code alone
        code = again;
    }
    return moveToCode(context, edited, code);
}

bool renewFinishedCode(EditorContext& context, EditedProduct& edited) {
    StockContext& stock = context.stock;
    const CodeLists lists = readCodeLists(stock);
    const StockCode code =
        firstFreeCode(kFinishedPrefix, 1, codeSetOf(lists.codes), retiredCodes(stock, lists));
    if (code == kNoCode)
        return false;
    // A product not saved yet has nothing under its code to move.
    if (!edited.isNew)
        return moveToCode(context, edited, code);
    edited.product.stcode = code;
    return true;
}

void applyBackColour(StockDefinition& product, records::Rgb colour) {
    product.backColor = colour;
    product.red = records::redOf(colour);
    product.green = records::greenOf(colour);
    product.blue = records::blueOf(colour);
}

void applyFontColour(StockDefinition& product, records::Rgb colour) {
    product.fontColor = colour;
    product.redfnt = records::redOf(colour);
    product.greenfnt = records::greenOf(colour);
    product.bluefnt = records::blueOf(colour);
}

} // namespace parvela::stock
