#pragma once

#include "labels/BarcodeAllocator.h"
#include "labels/LabelLayout.h"
#include "labels/RawJobSteps.h"
#include "records/StockDefinition.h"

#include <QString>
#include <cstdint>
#include <functional>
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
inline constexpr int kSequentialLabels = 105;

// The product as its label shows it: a weighed code carries the layout's
// weight; an ordinary EAN stays as it is.
stock::StockDefinition productAsPrinted(const LabelLayout& layout,
                                        const stock::StockDefinition& product);
// The commands of that product's label.
std::string productLabelFor(const LabelLayout& layout, const stock::StockDefinition& product);

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
    const db::StatementRunner& runner() const { return m_runner; }

    const QString& printerName() const { return m_printerName; }
    void choosePrinter(const QString& name);

    // Both rows of the layout, as the server holds them now; false when a
    // read failed (reported) and fields kept what they held.
    bool reloadLayout();
    // Writes both rows and reads them back, so what is printed is what the
    // server holds.
    void saveLayout();

    // True when the job reached the spooler.
    bool printProductLabel(const stock::StockDefinition& product);
    // The step the job failed at, or Done.
    RawJobStep printBarcodeLabel(std::int64_t code);
    // The 105 labels 3000301200014 … 3000301202094; `onLabel` hears after
    // each how many are done. Without the printer, before the first label or
    // later, it says so once and stops; once `cancelled` says so, it stops
    // before the next label. Returns how many were not printed.
    int printSequentialBarcodes(const std::function<void(int done)>& onLabel = {},
                                const std::function<bool()>& cancelled = {});

private:
    const db::StatementRunner& m_runner;
    const PrintSpooler& m_spooler;
    platform::MessageBoxes& m_boxes;
    BarcodeAllocator m_allocator;
    LabelLayout m_layout;
    QString m_printerName;
};

} // namespace parvela::labels
