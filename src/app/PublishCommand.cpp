#include "app/PublishCommand.h"

#include "app/BatchGate.h"
#include "app/CatalogData.h"
#include "app/PublishRuns.h"
#include "app/StartupLoad.h"
#include "platform/MachineInfo.h"
#include "platform/StreamMessageBoxes.h"
#include "publishing/HtmlPages.h"
#include "publishing/PublishHistory.h"
#include "publishing/PublishLock.h"
#include "publishing/TransferFiles.h"

#include <QCommandLineParser>
#include <QDateTime>
#include <QDir>

namespace parvela::app {

namespace {

const QCommandLineOption kNoUpload(QStringLiteral("no-upload"),
                                   QStringLiteral("Only write the files; send nothing."));
const QCommandLineOption kGroupB(QStringLiteral("group-b"),
                                 QStringLiteral("The products of this Group B instead of the "
                                                "weighed products."),
                                 QStringLiteral("code"));

// False, after its box, when the record could not be kept: the run fails.
bool keepInHistory(BatchRun& run, const QString& folder, const publishing::HistoryRecord& record) {
    const QString reason = publishing::appendHistory(folder, record);
    if (!reason.isEmpty())
        run.boxes.tell(reason, QStringLiteral("Yayın Geçmişi"));
    return reason.isEmpty();
}

// Another run at work on the folder refuses this one, saying whose it is.
bool refusedWhileAnotherRuns(BatchRun& run, const publishing::PublishLock& lock,
                             const QString& caption) {
    if (lock.held())
        return false;
    run.boxes.tell(lock.refusal(), caption);
    return true;
}

publishing::RunStarter starterOf(const BatchRun& run, const platform::MachineInfo& machine) {
    return {run.user, machine.computerName(), QDateTime::currentDateTime()};
}

int runPublish(BatchRun& run) {
    const platform::MachineInfo machine = platform::MachineInfo::ofThisComputer(run.settings);
    const publishing::PublishLock lock(machine.transferFolder(), starterOf(run, machine));
    if (refusedWhileAnotherRuns(run, lock, QStringLiteral("Şubelere Gönder")))
        return kBatchFailed;
    CatalogData catalog(run.settings, run.boxes);
    if (!loadedForBatch(run, catalog))
        return kBatchFailed;
    if (!catalogueGoOn(run, catalog, QStringLiteral("Şubelere Gönder")))
        return kBatchFailed;
    const std::optional<publishing::CatalogueSnapshot> snapshot = catalogueSnapshot(catalog);
    if (!snapshot)
        return kBatchFailed;
    const bool upload = !run.options.isSet(kNoUpload);
    const PublishTargetParts target = publishTargetOf(machine, run.settings, upload);
    const publishing::CataloguePublishResult result =
        publishing::publishCatalogue(*snapshot, target.target(), catalog.runner(), run.boxes);
    const publishing::HistoryRecord record =
        publishing::catalogueRecord(result, run.user, QDateTime::currentDateTime());
    const bool kept = keepInHistory(run, target.transferFolder, record);
    platform::writeText(run.out, publishing::historyText(record));
    return result.success && kept ? kBatchDone : kBatchFailed;
}

int runMenu(BatchRun& run) {
    const platform::MachineInfo machine = platform::MachineInfo::ofThisComputer(run.settings);
    const publishing::PublishLock lock(machine.transferFolder(), starterOf(run, machine));
    if (refusedWhileAnotherRuns(run, lock, QStringLiteral("Menüyü Oluştur")))
        return kBatchFailed;
    CatalogData catalog(run.settings, run.boxes);
    if (!loadedForBatch(run, catalog))
        return kBatchFailed;
    const std::optional<publishing::MenuContent> content = menuContentOf(catalog);
    if (!content)
        return kBatchFailed;
    const std::optional<QString> page = publishing::writeDigitalMenu(*content, machine, run.boxes);
    if (!page)
        return kBatchFailed;
    platform::writeText(run.out, QDir::toNativeSeparators(*page) + QLatin1Char('\n'));
    if (run.options.isSet(kNoUpload))
        return kBatchDone;
    const publishing::WebResult uploaded = publishing::publishMenu(
        catalog.company(), *page, publishing::WebServer::fromSettings(run.settings), run.boxes);
    const publishing::HistoryRecord record =
        publishing::menuRecord(*page, uploaded, run.user, QDateTime::currentDateTime());
    const bool kept = keepInHistory(run, machine.transferFolder(), record);
    platform::writeText(run.out, publishing::historyText(record));
    return uploaded.ok() && kept ? kBatchDone : kBatchFailed;
}

QString misuseOfPriceList(const QCommandLineParser& options) {
    bool isCode = true;
    if (options.isSet(kGroupB))
        options.value(kGroupB).toInt(&isCode);
    return isCode ? QString() : QStringLiteral("--group-b needs a Group B code");
}

int runPriceList(BatchRun& run) {
    CatalogData catalog(run.settings, run.boxes);
    const int boxesBefore = run.boxes.shownCount();
    reloadProducts(catalog);
    if (run.boxes.shownCount() != boxesBefore)
        return kBatchFailed;
    const bool byGroup = run.options.isSet(kGroupB);
    const int groupB = run.options.value(kGroupB).toInt();
    const stock::ProductList& products = catalog.current()->products;
    stock::ProductList listed;
    for (auto product = products.begin(); product != products.end(); ++product)
        if (byGroup ? product->grb == groupB : product->is_weighed)
            listed.push_back(product.shared());
    if (!publishing::writePriceList(listed, run.boxes, nullptr))
        return kBatchFailed;
    platform::writeText(run.out,
                        QDir::toNativeSeparators(publishing::priceListPath()) + QLatin1Char('\n'));
    return kBatchDone;
}

} // namespace

BatchCommand publishCommand() {
    return {QStringLiteral("publish"),
            QStringLiteral("Writes the transfer files for the branches and uploads them to the "
                           "web server, as \"Şubelere Gönder\" does."),
            {kNoUpload, kStopOnErrors},
            [](const QCommandLineParser&) { return QString(); },
            runPublish};
}

BatchCommand menuCommand() {
    return {QStringLiteral("menu"),
            QStringLiteral("Writes the digital menu page and uploads it to the web server."),
            {kNoUpload},
            [](const QCommandLineParser&) { return QString(); },
            runMenu};
}

BatchCommand priceListCommand() {
    return {QStringLiteral("price-list"),
            QStringLiteral("Writes the price list of the weighed products (or of one Group B) "
                           "on the desktop."),
            {kGroupB},
            misuseOfPriceList,
            runPriceList};
}

} // namespace parvela::app
