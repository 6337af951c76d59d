#include "app/PluCommand.h"

#include "app/BatchGate.h"
#include "app/CatalogData.h"
#include "app/StartupLoad.h"
#include "platform/MachineInfo.h"
#include "platform/StreamMessageBoxes.h"
#include "scales/PluTransfer.h"
#include "scales/ScaleSender.h"

#include <QCommandLineParser>

namespace parvela::app {

namespace {

const QCommandLineOption kSend(QStringLiteral("send"),
                               QStringLiteral("Also deliver the file to every scale."));

int runPlu(BatchRun& run) {
    const int boxesBefore = run.boxes.shownCount();
    CatalogData catalog(run.settings, run.boxes);
    reloadProducts(catalog);
    catalog.readScales();
    // Every box of the load reports a failed read.
    if (run.boxes.shownCount() != boxesBefore)
        return kBatchFailed;
    if (!catalogueGoOn(run, catalog, QStringLiteral("Teraziye Gönder")))
        return kBatchFailed;
    const scales::ScaleStore& store = catalog.scaleStore();
    const platform::MachineInfo machine = platform::MachineInfo::ofThisComputer(run.settings);
    const std::optional<std::string> bytes = scales::writePluList(
        store, catalog.current()->weighed, machine.scalePluFile(), run.boxes, nullptr);
    if (!bytes)
        return kBatchFailed;
    if (!run.options.isSet(kSend))
        return kBatchDone;
    const bool delivered = scales::deliverAndReport(
        *bytes, store.scales(), scales::sendOptionsOf(run.settings), [](int) {}, run.boxes);
    return delivered ? kBatchDone : kBatchFailed;
}

} // namespace

BatchCommand pluCommand() {
    return {QStringLiteral("plu"),
            QStringLiteral("Writes the weighed products' PLU file for the scales; with --send "
                           "also delivers it to every scale."),
            {kSend, kStopOnErrors},
            [](const QCommandLineParser&) { return QString(); },
            runPlu};
}

} // namespace parvela::app
