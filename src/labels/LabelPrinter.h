#pragma once

#include "labels/BarcodeAllocator.h"
#include "labels/LabelLayout.h"
#include "records/StockDefinition.h"

#include <QString>
#include <cstdint>
#include <string>

namespace parvela::db {
class StatementRunner;
}
namespace parvela::platform {
class MessageBoxes;
}

namespace parvela::labels {

class PrintSpooler;

inline constexpr qsizetype kPrinterNameCharacters = 109;

// The label side of the program for the whole run: the layout, the chosen
// printer and the allocator of the sequential labels.
class LabelPrinter {
public:
    LabelPrinter(const db::StatementRunner& runner, const PrintSpooler& spooler,
                 platform::MessageBoxes& boxes);

    LabelLayout& layout() { return m_layout; }
    const LabelLayout& layout() const { return m_layout; }
    BarcodeAllocator& allocator() { return m_allocator; }
    const PrintSpooler& spooler() const { return m_spooler; }

    const QString& printerName() const { return m_printerName; }
    void choosePrinter(const QString& name);

    // Both rows of the layout, as the server holds them now.
    void reloadLayout();
    // Writes both rows and reads them back, so what is printed is what the
    // server holds.
    void saveLayout();

    // The product as it is printed: a weighed code carries the layout's weight.
    stock::StockDefinition printedProduct(const stock::StockDefinition& product) const;
    // The commands of that product's label.
    std::string productLabel(const stock::StockDefinition& product) const;

    // True when the job reached the spooler.
    bool printProductLabel(const stock::StockDefinition& product);
    bool printBarcodeLabel(std::int64_t code);
    // The 105 labels 3000301200014 … 3000301202094; returns how many failed.
    int printSequentialBarcodes();

private:
    const db::StatementRunner& m_runner;
    const PrintSpooler& m_spooler;
    platform::MessageBoxes& m_boxes;
    BarcodeAllocator m_allocator;
    LabelLayout m_layout;
    QString m_printerName;
};

} // namespace parvela::labels
