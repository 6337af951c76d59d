#pragma once

#include "stock/StockFeatures.h"

namespace parvela::labels {
class BarcodeAllocator;
}

namespace parvela::app {

// The editor's barcode commands, drawn from the allocator the program keeps
// for the editor. The label dialog is still to come: until then its command
// answers as `notBuilt` does.
class LabelFeatures : public stock::LabelActions {
public:
    LabelFeatures(labels::BarcodeAllocator& allocator, stock::LabelActions& notBuilt)
        : m_allocator(allocator)
        , m_notBuilt(notBuilt) {}

    std::optional<std::string> newBarcode(Barcode kind, QWidget* owner) override;
    void printLabel(const stock::StockDefinition& product, QWidget* owner) override;

private:
    labels::BarcodeAllocator& m_allocator;
    stock::LabelActions& m_notBuilt;
};

} // namespace parvela::app
