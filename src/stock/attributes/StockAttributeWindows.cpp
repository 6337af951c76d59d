#include "stock/attributes/StockAttributeWindows.h"

#include "db/TypedNumber.h"
#include "stock/attributes/GameParametersDialog.h"
#include "stock/attributes/PriceTimesDialog.h"
#include "stock/attributes/ProductNotesDialog.h"
#include "stock/attributes/ProductPictures.h"
#include "stock/attributes/RegionChoice.h"
#include "stock/attributes/RegionDialog.h"
#include "stock/attributes/SizePricesDialog.h"
#include "stock/catalogue/EditedProduct.h"
#include "stock/catalogue/StockContext.h"
#include "stock/editor/StockEditorForm.h"

#include <QFileDialog>
#include <optional>

namespace parvela::stock {

namespace {

QString openFileDialog(QWidget* owner) {
    return QFileDialog::getOpenFileName(
        owner, QStringLiteral("Logo Seç"), QString(),
        QStringLiteral("Resimler (*.png *.jpg *.jpeg *.bmp *.gif);;Tüm Dosyalar (*)"));
}

} // namespace

StockAttributeWindows::StockAttributeWindows(StockContext& context,
                                             const platform::MachineInfo& machine,
                                             FileChooser chooseFile)
    : m_context(context)
    , m_machine(machine)
    , m_chooseFile(chooseFile ? std::move(chooseFile) : FileChooser(openFileDialog)) {}

void StockAttributeWindows::priceTimes(EditedProduct& edited, const QString& typedPrice,
                                       QWidget* owner) {
    // The windows carry the price as typed, saved or not; one the editor
    // cannot read opens nothing rather than becoming 0.
    const std::optional<double> price = db::typedPriceOrSay(
        {typedPrice, "Zaman Aralık 1", kNumberChars, kMaxPrice}, m_context.boxes, owner);
    if (!price)
        return;
    PriceTimesDialog dialog(
        {productLine(edited.product), priceLine(*price)}, rowsOfWindow(edited.priceTimesA),
        [this, &edited, price = *price](const PriceTimeRows& rows) {
            return savePriceTimes(m_context.runner, edited, rows, price);
        },
        owner);
    dialog.exec();
}

void StockAttributeWindows::sizes(EditedProduct& edited, QWidget* owner) {
    StockDefinition& product = edited.product;
    readProductSizes(m_context.runner, product);
    SizePricesDialog dialog(
        productLine(product), sizeFormOf(product),
        [this, &product, owner](const SizeForm& form) {
            return saveSizes(m_context.runner, m_context.boxes, product, form, owner);
        },
        owner);
    dialog.exec();
}

void StockAttributeWindows::region(EditedProduct& edited, QWidget* owner) {
    RegionDialog dialog(
        edited.regions, [&edited](const Region& region) { chooseRegion(edited.product, region); },
        owner);
    dialog.exec();
}

void StockAttributeWindows::notes(EditedProduct& edited, QWidget* owner) {
    const StockDefinition& product = edited.product;
    ProductNotesDialog dialog(
        [this, &product](const QString& text) { return addNote(m_context.runner, product, text); },
        [this, &product] {
            std::vector<ProductNote> notes;
            readNotes(m_context.runner, product.stcode, notes);
            return notes;
        },
        owner);
    dialog.exec();
}

void StockAttributeWindows::gameParameters(EditedProduct& edited, QWidget* owner) {
    GameParametersDialog dialog(
        readGameParameters(m_context.runner, edited.product.stcode),
        [this, owner](GameParameters& parameters, const QString& typedMinimum) {
            return saveGameParameters(m_context.runner, m_context.boxes, parameters, typedMinimum,
                                      owner);
        },
        owner);
    dialog.exec();
}

void StockAttributeWindows::choosePicture(EditedProduct& edited, QWidget* owner) {
    const QString chosen = m_chooseFile(owner);
    if (chosen.isEmpty())
        return;
    storePicture({m_context.runner, m_context.boxes, m_machine, owner}, edited.product, chosen);
}

void StockAttributeWindows::deletePicture(EditedProduct& edited, QWidget* /*owner*/) {
    stock::deletePicture(m_context.runner, edited.product);
}

} // namespace parvela::stock
