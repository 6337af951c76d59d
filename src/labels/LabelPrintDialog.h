#pragma once

#include "labels/LabelLayout.h"
#include "labels/PrintSpooler.h"
#include "platform/BackgroundJobs.h"
#include "records/StockDefinition.h"

#include <QDialog>
#include <QImage>
#include <vector>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QTreeWidget;

namespace parvela::platform {
class MessageBoxes;
}

namespace parvela::labels {

class LabelPrinter;

// The label dialog (144): the printer to use, the layout of the label, a
// preview of what the printer gets, and the printing of one product's label
// or of the sequential barcodes.
class LabelPrintDialog : public QDialog {
    Q_OBJECT
public:
    LabelPrintDialog(LabelPrinter& printer, const std::vector<PrinterEntry>& printers,
                     const stock::StockDefinition& product, platform::MessageBoxes& boxes,
                     QWidget* owner);

    // Opens the dialog for `product` and waits until it is closed. When the
    // spooler cannot list its printers, says so and opens nothing.
    static void open(LabelPrinter& printer, const stock::StockDefinition& product,
                     platform::MessageBoxes& boxes, QWidget* owner);

    // The layout as the fields hold it now.
    LabelLayout typedLayout() const;
    // What the preview shows.
    const QImage& preview() const { return m_preview; }

private:
    void buildControls(const std::vector<PrinterEntry>& printers);
    QLayout* fieldsGrid();
    QLayout* flagsAndDates();
    QWidget* previewPane();
    void fillFields();
    void showPrinterName();
    void showProduct();
    void choosePrinter();
    void refreshPreview();
    void printLabel();
    void printSequential();

    LabelPrinter& m_printer;
    stock::StockDefinition m_product;
    platform::MessageBoxes& m_boxes;
    // The sequential labels' run; the dialog waits for it when it goes.
    platform::BackgroundJobs m_jobs{m_boxes};
    QTreeWidget* m_printers = nullptr;
    QLabel* m_printerName = nullptr;
    QLabel* m_productName = nullptr;
    QLabel* m_barcode = nullptr;
    QLineEdit* m_specialCode = nullptr;
    std::vector<QLineEdit*> m_numbers;
    QLineEdit* m_copies = nullptr;
    QLineEdit* m_weight = nullptr;
    QCheckBox* m_printPrice = nullptr;
    std::vector<QCheckBox*> m_vertical;
    QDateEdit* m_packingDate = nullptr;
    QDateEdit* m_consumptionDate = nullptr;
    QComboBox* m_resolution = nullptr;
    QLabel* m_previewLabel = nullptr;
    QImage m_preview;
};

} // namespace parvela::labels
