#pragma once

#include "stock/catalogue/StockFeatures.h"

namespace parvela::labels {
class BarcodeAllocator;
class LabelPrinter;
} // namespace parvela::labels
namespace parvela::platform {
class MessageBoxes;
}

namespace parvela::app {

class CatalogueGate;

// The editor's barcode commands, drawn from the allocator the program keeps
// for the editor, and its label dialog on the program's label printer.
class LabelFeatures : public stock::LabelActions {
public:
    LabelFeatures(labels::BarcodeAllocator& allocator, labels::LabelPrinter& printer,
                  platform::MessageBoxes& boxes, const CatalogueGate& gate)
        : m_allocator(allocator)
        , m_printer(printer)
        , m_boxes(boxes)
        , m_gate(gate) {}

    std::optional<std::string> newBarcode(Barcode kind, QWidget* owner) override;
    void printLabel(const stock::StockDefinition& product, QWidget* owner) override;

private:
    labels::BarcodeAllocator& m_allocator;
    labels::LabelPrinter& m_printer;
    platform::MessageBoxes& m_boxes;
    const CatalogueGate& m_gate;
};

} // namespace parvela::app
