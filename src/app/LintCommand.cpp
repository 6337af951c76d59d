#include "app/LintCommand.h"

#include "app/CatalogData.h"
#include "app/CatalogueCheckRun.h"
#include "checks/CheckReport.h"
#include "platform/MachineInfo.h"
#include "platform/StreamMessageBoxes.h"

#include <QCommandLineParser>

namespace parvela::app {

namespace {

const QCommandLineOption kJson(QStringLiteral("json"),
                               QStringLiteral("Print the findings as a JSON array."));

int runLint(BatchRun& run) {
    CatalogData catalog(run.settings, run.boxes);
    if (!loadedForBatch(run, catalog))
        return kBatchFailed;
    const std::optional<std::vector<checks::Finding>> findings =
        checkCatalogueNow(catalog, platform::MachineInfo::ofThisComputer(run.settings));
    if (!findings)
        return kBatchFailed;
    if (run.options.isSet(kJson))
        platform::writeText(run.out, QString::fromUtf8(checks::findingsJson(*findings)));
    else
        platform::writeText(run.out, checks::findingsText(*findings));
    return checks::errorCount(*findings) == 0 ? kBatchDone : kBatchFailed;
}

} // namespace

BatchCommand lintCommand() {
    return {QStringLiteral("lint"),
            QStringLiteral("Check the catalogue: barcodes, names, recipes, menus, prices, scale "
                           "codes, pictures and costs. Ends with 3 when it finds an error."),
            {kJson},
            {},
            runLint};
}

} // namespace parvela::app
