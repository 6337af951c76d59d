#pragma once

#include "recipes/CostIndex.h"
#include "stock/catalogue/EditedProduct.h"
#include "stock/editor/StockEditorForm.h"

#include <QString>
#include <functional>
#include <memory>

class QObject;

// What the stock editor does with its product, apart from its controls.
namespace parvela::stock {

struct StockContext;

struct EditorContext {
    StockContext& stock;
    QObject* owner = nullptr; // owner of the boxes
    // Builds the stock browser's list again with the filter that made it
    // (and redraws what shows it); may be empty.
    std::function<void()> reapplyFilter;
    // Puts a barcode the save chose into the form at once; may be empty.
    std::function<void(const QString&)> showBarcode = {};
};

// A new product filed under the groups selected on the main screen, with
// their names and the next code.
EditedProduct startNewProduct(StockContext& context);
// False, after the "STOK SECILMEDI" box, when there is no product to edit.
bool mayEdit(const StockDefinition& current, platform::MessageBoxes& boxes, QObject* owner);
// The edit window's own copy of `current`, with what the editor reads beside
// it (discount, region price, picture, price times, colour components).
EditedProduct openForEdit(StockContext& context, const StockDefinition& current);
StockEditorForm formOf(const EditedProduct& edited, const StockContext& context);

enum class EditSaveResult {
    Saved,
    Stopped, // by the form's checks or a barcode another product has
    Failed,  // the update failed and said so
    Gone,    // the product is no longer in stckdef
};

struct SaveOutcome {
    EditSaveResult result = EditSaveResult::Stopped;
    QString status; // shown under the form
};

// The edit window's save, before the cost propagation. Only `edited` is
// written, and it takes the form's values only when the save went through.
SaveOutcome saveEdited(EditorContext& context, EditedProduct& edited, const StockEditorForm& form);
// What the cost propagation needs, taken after saveEdited.
std::shared_ptr<const recipes::CostIndex> costIndexFor(const StockContext& context);
// After the cost propagation: the lists are read again, the filter re-applied
// and the restaurant program told.
void finishEditSave(EditorContext& context);

struct NewSaveResult {
    bool inserted = false;
    bool stopped = false; // by the form's checks or a duplicate barcode
    QString status;       // shown under the form
};
// Inserts the product, under the barcode a weighed code validates to. Only when that went through
// are the lists read again, the browser told and `edited` started over as the next product with the
// same groups; otherwise it keeps everything typed.
NewSaveResult saveNew(EditorContext& context, EditedProduct& edited, const StockEditorForm& form);

// "Kodu Yenile": the next free code across every table; true when changed.
bool renewCode(EditorContext& context, EditedProduct& edited);
// "StokKodu Mamül": the next code of the finished-product series; a product
// not saved yet only takes the code.
bool renewFinishedCode(EditorContext& context, EditedProduct& edited);

void applyBackColour(StockDefinition& product, records::Rgb colour);
void applyFontColour(StockDefinition& product, records::Rgb colour);

} // namespace parvela::stock
