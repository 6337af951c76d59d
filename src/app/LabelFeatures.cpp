#include "app/LabelFeatures.h"

#include "app/CatalogueGate.h"
#include "labels/BarcodeAllocator.h"
#include "labels/LabelPrintDialog.h"

namespace parvela::app {

std::optional<std::string> LabelFeatures::newBarcode(Barcode kind, QWidget* /*owner*/) {
    const int number = kind == Barcode::National ? m_allocator.nextFreeNationalBarcode()
                                                 : m_allocator.nextFreeInStoreBarcode();
    if (number <= 0)
        return std::nullopt;
    return m_allocator.codeText();
}

void LabelFeatures::printLabel(const stock::StockDefinition& product, QWidget* owner) {
    if (m_gate.goOn(QStringLiteral("BARCODE"), owner))
        labels::LabelPrintDialog::open(m_printer, product, m_boxes, owner);
}

} // namespace parvela::app
