#include "app/LabelCommand.h"

#include "app/BatchGate.h"
#include "app/CatalogData.h"
#include "app/StartupLoad.h"
#include "labels/LabelFieldText.h"
#include "labels/LabelPreview.h"
#include "labels/LabelPrinter.h"
#include "labels/PrintSpooler.h"
#include "platform/AtomicFile.h"
#include "platform/Settings.h"
#include "platform/StreamMessageBoxes.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QImageWriter>
#include <algorithm>
#include <functional>

namespace parvela::app {

namespace {

const QString kLabelVerb = QStringLiteral("label");
const QString kPreviewVerb = QStringLiteral("label-preview");

const QCommandLineOption kCode(QStringLiteral("stcode"),
                               QStringLiteral("Stock code of the product."),
                               QStringLiteral("code"));
const QCommandLineOption kPrinter(QStringLiteral("printer"),
                                  QStringLiteral("Printer queue; the system's default if not "
                                                 "given."),
                                  QStringLiteral("name"));
const QCommandLineOption kCopies(QStringLiteral("copies"),
                                 QStringLiteral("Copies of the label (1 if not given)."),
                                 QStringLiteral("count"));
const QCommandLineOption kWeight(QStringLiteral("weight"),
                                 QStringLiteral("Weight in kg put into a weighed product's "
                                                "code, from 0 to 99.999."),
                                 QStringLiteral("kg"));
const QCommandLineOption kOut(QStringLiteral("out"), QStringLiteral("PNG file to write."),
                              QStringLiteral("file"));
const QCommandLineOption kDotsPerMm(QStringLiteral("dpmm"),
                                    QStringLiteral("Printer dots per millimetre: 8 or 12 (8 if "
                                                   "not given)."),
                                    QStringLiteral("dots"));

QString misuseOfCode(const QCommandLineParser& options, const QString& verb) {
    bool isCode = false;
    options.value(kCode).toLongLong(&isCode);
    return isCode ? QString() : QStringLiteral("%1 needs --stcode N").arg(verb);
}

// A weight the code cannot carry, as the dialog's box would say it.
QString misuseOfWeight(const QCommandLineParser& options) {
    const QString typed = options.value(kWeight);
    if (!options.isSet(kWeight) || labels::typedWeight(typed))
        return {};
    return labels::weightRefusalCaption() + QStringLiteral(": ") + labels::weightRefusal(typed);
}

QString misuseOfLabel(const QCommandLineParser& options) {
    if (QString wrong = misuseOfCode(options, kLabelVerb); !wrong.isEmpty())
        return wrong;
    if (QString wrong = misuseOfWeight(options); !wrong.isEmpty())
        return wrong;
    bool isCount = true;
    if (options.isSet(kCopies) && options.value(kCopies).toInt(&isCount) < 1)
        return QStringLiteral("--copies needs a number of 1 or more");
    return isCount ? QString() : QStringLiteral("--copies needs a number of 1 or more");
}

QString misuseOfPreview(const QCommandLineParser& options) {
    if (QString wrong = misuseOfCode(options, kPreviewVerb); !wrong.isEmpty())
        return wrong;
    if (QString wrong = misuseOfWeight(options); !wrong.isEmpty())
        return wrong;
    if (!options.isSet(kOut))
        return QStringLiteral("label-preview needs --out FILE.png");
    const QString dots = options.value(kDotsPerMm);
    if (options.isSet(kDotsPerMm) && dots != QStringLiteral("8") && dots != QStringLiteral("12"))
        return QStringLiteral("--dpmm is 8 or 12");
    return {};
}

// The product of --stcode from the catalog as the server holds it.
std::optional<stock::StockDefinition> productOf(BatchRun& run, CatalogData& catalog,
                                                const QString& verb) {
    const int boxesBefore = run.boxes.shownCount();
    reloadProducts(catalog);
    if (run.boxes.shownCount() != boxesBefore)
        return std::nullopt;
    const stock::StockCode code = run.options.value(kCode).toLongLong();
    const stock::StockDefinition* found = catalog.current()->find(code);
    if (found == nullptr) {
        run.boxes.tell(QStringLiteral("Stok kodu %1 olan ürün yok.").arg(code), verb);
        return std::nullopt;
    }
    return *found;
}

// The stored layout, with the copies and weight of the command line; false
// when it could not be read (reported): default positions are no layout.
bool takeLayout(BatchRun& run, labels::LabelPrinter& printer) {
    if (!printer.reloadLayout())
        return false;
    labels::LabelLayout& layout = printer.layout();
    if (run.options.isSet(kCopies))
        layout.copies = run.options.value(kCopies).toInt();
    // The options' check has refused a weight the code cannot carry.
    if (run.options.isSet(kWeight))
        layout.weight = labels::typedWeight(run.options.value(kWeight)).value_or(0);
    return true;
}

using LabelWork =
    std::function<bool(labels::LabelPrinter& printer, const stock::StockDefinition& product)>;

// Runs `work` on the product of --stcode with the stored layout and the
// options' copies and weight; `printing` first tells the catalogue check's
// error count, as the label dialog does.
int onProductLabel(BatchRun& run, const QString& verb, bool printing, const LabelWork& work) {
    CatalogData catalog(run.settings, run.boxes);
    const std::optional<stock::StockDefinition> product = productOf(run, catalog, verb);
    if (!product)
        return kBatchFailed;
    if (printing && !catalogueGoOn(run, catalog, QStringLiteral("BARCODE")))
        return kBatchFailed;
    const labels::PrintSpooler spooler(run.settings.printServer());
    labels::LabelPrinter printer(catalog.runner(), spooler, run.boxes);
    if (!takeLayout(run, printer))
        return kBatchFailed;
    return work(printer, *product) ? kBatchDone : kBatchFailed;
}

int runLabel(BatchRun& run) {
    return onProductLabel(
        run, kLabelVerb, true, [&run](labels::LabelPrinter& printer, const auto& product) {
            printer.choosePrinter(run.options.isSet(kPrinter) ? run.options.value(kPrinter)
                                                              : printer.spooler().defaultPrinter());
            return printer.printProductLabel(product);
        });
}

// Encoded first, then written whole: a full disk never leaves half a
// picture, and a link at the name is replaced.
bool writePicture(BatchRun& run, const QImage& image) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    const QString why =
        writer.write(image)
            ? platform::writeFileAtomically(run.options.value(kOut), png.toStdString())
            : QStringLiteral("%1 yazılamadı: %2")
                  .arg(run.options.value(kOut), writer.errorString());
    if (!why.isEmpty())
        run.boxes.tell(why, kPreviewVerb);
    return why.isEmpty();
}

int runPreview(BatchRun& run) {
    return onProductLabel(
        run, kPreviewVerb, false, [&run](labels::LabelPrinter& printer, const auto& product) {
            const int dots =
                run.options.isSet(kDotsPerMm) ? run.options.value(kDotsPerMm).toInt() : 8;
            const QImage image = labels::renderLabelPreview(
                labels::productLabelFor(printer.layout(), product), dots);
            return writePicture(run, image);
        });
}

} // namespace

BatchCommand labelCommand() {
    return {kLabelVerb,
            QStringLiteral("Prints a product's label on the label printer with the stored "
                           "layout."),
            {kCode, kPrinter, kCopies, kWeight, kStopOnErrors},
            misuseOfLabel,
            runLabel};
}

BatchCommand labelPreviewCommand() {
    return {kPreviewVerb,
            QStringLiteral("Draws a product's label as the printer would print it, into a PNG "
                           "file."),
            {kCode, kCopies, kWeight, kOut, kDotsPerMm},
            misuseOfPreview,
            runPreview,
            true};
}

} // namespace parvela::app
