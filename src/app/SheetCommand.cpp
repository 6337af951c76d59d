#include "app/SheetCommand.h"

#include "app/CatalogData.h"
#include "platform/StreamMessageBoxes.h"
#include "spreadsheets/DeliverySheet.h"
#include "spreadsheets/MenuImportText.h"

#include <QCommandLineParser>
#include <QDir>

namespace parvela::app {

namespace {

using namespace spreadsheets;

const QCommandLineOption kNoHeader(QStringLiteral("no-header"),
                                   QStringLiteral("The first row is a product, not a header."));
const QCommandLineOption kSheet(QStringLiteral("sheet"),
                                QStringLiteral("The sheet to read, 0 for the first (default)."),
                                QStringLiteral("N"), QStringLiteral("0"));
const QCommandLineOption kDryRun(QStringLiteral("dry-run"),
                                 QStringLiteral("Only print what would be inserted."));
const QCommandLineOption kAcceptMarked(
    QStringLiteral("accept-marked"),
    QStringLiteral("Insert the rows the preview marked too; without it a marked row ends the "
                   "run before anything is written."));

QString misuseOfImport(const QCommandLineParser& options) {
    bool isNumber = false;
    const int sheet = options.value(kSheet).toInt(&isNumber);
    return isNumber && sheet >= 0 ? QString()
                                  : QStringLiteral("--sheet takes 0 or a larger number.");
}

int runImport(BatchRun& run) {
    CatalogData catalog(run.settings, run.boxes);
    if (catalog.readProducts() < 0)
        return kBatchFailed;
    const SheetPlan planned =
        planSheet(sheetReaderApart(), run.file, run.options.value(kSheet).toInt(),
                  !run.options.isSet(kNoHeader), catalog.runner(), catalog.current()->products);
    if (!planned.error.isEmpty()) {
        run.boxes.tell(planned.error, QString());
        return kBatchFailed;
    }
    platform::writeText(run.out, readStatusText(planned.plan.products.size()) + QLatin1Char('\n') +
                                     previewText(planned.plan));
    if (run.options.isSet(kDryRun))
        return kBatchDone;
    if (planned.plan.marked > 0 && !run.options.isSet(kAcceptMarked)) {
        run.boxes.tell(QStringLiteral("Önizlemede işaretli %1 satır var; hiçbir ürün eklenmedi. "
                                      "İşaretli satırlar da eklensin diye --accept-marked verin.")
                           .arg(planned.plan.marked),
                       QString::fromUtf8(kImportCaption));
        return kBatchFailed;
    }
    const ImportResult result = insertPlanned(planned.plan, catalog.runner());
    platform::writeText(run.out, resultText(result) + QLatin1Char('\n'));
    return result.refused + result.notTried == 0 ? kBatchDone : kBatchFailed;
}

int runExport(BatchRun& run) {
    CatalogData catalog(run.settings, run.boxes);
    if (catalog.readProducts() < 0)
        return kBatchFailed;
    const QString path = run.file.isEmpty() ? deliverySheetPath() : run.file;
    const QString caption = QString::fromUtf8(kExportCaption);
    const stock::CatalogueRef catalogue = catalog.current();
    if (const QString failure = exportCatalogue(catalog.runner(), catalogue->products, path);
        !failure.isEmpty()) {
        run.boxes.tell(failure, caption);
        return kBatchFailed;
    }
    run.boxes.tell(exportDoneText(catalogue->products.size()), caption);
    platform::writeText(run.out, QDir::toNativeSeparators(path) + QLatin1Char('\n'));
    return kBatchDone;
}

} // namespace

BatchCommand importCommand() {
    BatchCommand command{QStringLiteral("import"),
                         QStringLiteral("Insert the products of a delivery platform's menu sheet "
                                        "(.xls or .xlsx) under new 777 codes."),
                         {kNoHeader, kSheet, kDryRun, kAcceptMarked},
                         misuseOfImport,
                         runImport};
    command.file = BatchCommand::FileArgument::Required;
    return command;
}

BatchCommand exportCommand() {
    BatchCommand command{QStringLiteral("export"),
                         QStringLiteral("Write the catalogue as the delivery platform's product "
                                        "table (.xlsx); by default excelstok.xlsx in Documents."),
                         {},
                         {},
                         runExport};
    command.file = BatchCommand::FileArgument::Optional;
    return command;
}

} // namespace parvela::app
