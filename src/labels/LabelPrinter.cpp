#include "labels/LabelPrinter.h"

#include "db/Transaction.h"
#include "labels/BarcodeText.h"
#include "labels/LabelCommands.h"
#include "labels/LabelLayoutStore.h"
#include "labels/PrintSpooler.h"

#include <array>
#include <string>

namespace parvela::labels {

namespace {

constexpr unsigned kLastSequentialCounter = 210;

// "30003012000%u" below 10, "3000301200%u" below 100, else "300030120%u".
std::string sequentialBase(unsigned counter) {
    const char* stem = counter < 10 ? "30003012000" : counter < 100 ? "3000301200" : "300030120";
    return stem + std::to_string(counter);
}

} // namespace

LabelPrinter::LabelPrinter(const db::StatementRunner& runner, const PrintSpooler& spooler,
                           platform::MessageBoxes& boxes)
    : m_runner(runner)
    , m_spooler(spooler)
    , m_boxes(boxes)
    , m_allocator(runner, boxes) {}

void LabelPrinter::choosePrinter(const QString& name) {
    m_printerName = name.left(kPrinterNameCharacters);
}

bool LabelPrinter::reloadLayout() {
    return reloadLabelLayout(m_runner, m_layout);
}

// Both rows or neither: a layout half saved would print neither label.
void LabelPrinter::saveLayout() {
    {
        db::Transaction change(m_runner, db::Operation("UPDATE_BARCODE_SETTINGS"));
        (void)saveLabelLayout(m_runner, m_layout);
        (void)saveLabelLayoutExtra(m_runner, m_layout);
        (void)change.commit();
    }
    reloadLayout();
}

stock::StockDefinition productAsPrinted(const LabelLayout& layout,
                                        const stock::StockDefinition& product) {
    stock::StockDefinition printed = product;
    // Only a weighed code takes the weight: an ordinary EAN would be spoilt.
    if (isWeighedCode(printed.barcode))
        makeWeighedBarcode(static_cast<float>(layout.weight), printed.barcode);
    return printed;
}

std::string productLabelFor(const LabelLayout& layout, const stock::StockDefinition& product) {
    return productLabelCommands(layout, productAsPrinted(layout, product));
}

bool LabelPrinter::printProductLabel(const stock::StockDefinition& product) {
    return m_spooler.sendRaw(m_printerName, productLabelFor(m_layout, product), m_boxes);
}

RawJobStep LabelPrinter::printBarcodeLabel(std::int64_t code) {
    // Each job holds its own label only.
    return m_spooler.sendRawJob(m_printerName, barcodeLabelCommands(m_layout, code), m_boxes);
}

int LabelPrinter::printSequentialBarcodes(const std::function<void(int done)>& onLabel,
                                          const std::function<bool()>& cancelled) {
    // Without the printer every label would fail alike, each after its own
    // box and, on a hung spooler, its own wait.
    if (!m_spooler.checkPrinter(m_printerName, m_boxes))
        return kSequentialLabels;
    int failed = 0;
    int done = 0;
    for (unsigned counter = 1; counter < kLastSequentialCounter; counter += 2) {
        if (cancelled && cancelled())
            return failed + kSequentialLabels - done;
        m_allocator.setCodeText(sequentialBase(counter));
        m_allocator.appendEanCheckDigit();
        reloadLayout();
        const RawJobStep step = printBarcodeLabel(std::stoll(m_allocator.codeText()));
        failed += step == RawJobStep::Done ? 0 : 1;
        if (onLabel)
            onLabel(++done);
        if (step == RawJobStep::OpenPrinter)
            return failed + kSequentialLabels - done;
    }
    return failed;
}

} // namespace parvela::labels
