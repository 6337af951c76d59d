#pragma once

#include "stock/CostPropagation.h"
#include "stock/StockEditorForm.h"

#include <QString>
#include <functional>

class QObject;

namespace parvela::app {
class CatalogData;
}
namespace parvela::platform {
class MessageBoxes;
class ProgramMessenger;
} // namespace parvela::platform

// What the stock editor does with the current product, apart from its
// controls.
namespace parvela::stock {

struct EditorContext {
    app::CatalogData& catalog;
    platform::MessageBoxes& boxes;
    const platform::ProgramMessenger& messenger;
    QObject* owner = nullptr; // owner of the boxes
    // Builds the stock browser's list again with the filter that made it
    // (and redraws what shows it); may be empty.
    std::function<void()> reapplyFilter;
};

// A new product: the current record starts over with the groups selected on
// the main screen, their names and the next code; the new-product flag is set.
void startNewProduct(app::CatalogData& catalog);
// False, after the "STOK SECILMEDI" box, when there is no product to edit.
bool mayEditCurrent(app::CatalogData& catalog, platform::MessageBoxes& boxes, QObject* owner);
// Prepares the current record for the edit window (discount, region price,
// colour components) and gives the form that shows it.
StockEditorForm openForEdit(app::CatalogData& catalog);
StockEditorForm formOfCurrent(app::CatalogData& catalog);

// The edit window's save, before the cost propagation: false when the name
// check stopped it.
bool saveEdited(EditorContext& context, const StockEditorForm& form);
// A copy of what the cost propagation needs, taken after saveEdited.
CostJob costJobFor(app::CatalogData& catalog);
// After the cost propagation: the lists are read again, the filter re-applied
// and the restaurant program told.
void finishEditSave(EditorContext& context);

struct NewSaveResult {
    bool inserted = false;
    bool stopped = false; // by the name check or a duplicate barcode
    QString status;       // shown under the form
};
NewSaveResult saveNew(EditorContext& context, const StockEditorForm& form);

// "Kodu Yenile": the next free code across every table; true when changed.
bool renewCode(EditorContext& context);
// "StokKodu Mamül": the next code of the finished-product series; a product
// not saved yet only takes the code.
bool renewFinishedCode(EditorContext& context);

void applyBackColour(StockDefinition& product, groups::Rgb colour);
void applyFontColour(StockDefinition& product, groups::Rgb colour);

} // namespace parvela::stock
