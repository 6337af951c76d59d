#include "app/PublishFeatures.h"

#include "app/ActiveUser.h"
#include "app/CatalogData.h"
#include "app/CatalogueGate.h"
#include "app/PublishRuns.h"
#include "db/DatabaseThread.h"
#include "platform/BackgroundJobs.h"
#include "platform/JobProgressDialog.h"
#include "platform/MachineInfo.h"
#include "platform/MessageBoxes.h"
#include "platform/WindowMessages.h"
#include "publishing/CataloguePublish.h"
#include "publishing/PagePublish.h"
#include "publishing/PublishHistory.h"
#include "publishing/PublishHistoryDialog.h"
#include "publishing/TransferFiles.h"
#include "publishing/WebUpload.h"

#include <QDateTime>
#include <QWidget>

namespace parvela::app {

namespace {

void keepInHistory(const QString& folder, const publishing::HistoryRecord& record,
                   platform::MessageBoxes& boxes) {
    if (const QString reason = publishing::appendHistory(folder, record); !reason.isEmpty())
        boxes.tell(reason, QStringLiteral("Yayın Geçmişi"), platform::BoxIcon::Exclamation);
}

} // namespace

void PublishFeatures::sendToBranches(QWidget* owner) {
    if (!m_parts.gate.goOn(QStringLiteral("Şubelere Gönder"), owner))
        return;
    std::optional<publishing::CatalogueSnapshot> read = catalogueSnapshot(m_parts.catalog);
    if (!read) {
        platform::mailboxOf(owner)->post(platform::msg::kCataloguePublished, 0);
        return;
    }
    auto snapshot = std::make_shared<const publishing::CatalogueSnapshot>(std::move(*read));
    auto target = std::make_shared<const PublishTargetParts>(
        publishTargetOf(m_parts.machine, m_parts.settings, true));
    auto toWindow = platform::mailboxOf(owner);
    const db::StatementRunner& runner = m_parts.catalog.runner();
    platform::runBehindProgress(
        m_parts.jobs,
        [snapshot, target, toWindow, &runner,
         user = m_parts.user.historyName()](platform::JobReport& report) {
            const db::DatabaseThread databaseThread;
            report.setRange(publishing::kPublishSteps);
            publishing::PublishTarget where = target->target();
            // "İptal" stops the run where it is: what was not replaced stays.
            where.cancelled = [&report] {
                return report.cancelled();
            };
            const publishing::CataloguePublishResult result = publishing::publishCatalogue(
                *snapshot, where, runner.withBoxes(report.boxes()), report.boxes(),
                [&report](int done) { report.step(done); });
            keepInHistory(target->transferFolder,
                          publishing::catalogueRecord(result, user, QDateTime::currentDateTime()),
                          report.boxes());
            toWindow->post(platform::msg::kCataloguePublished, result.success ? 1 : 0,
                           result.reason);
        },
        QStringLiteral("Şubelere Gönder"), owner);
}

std::optional<QString> PublishFeatures::writeMenu() {
    const std::optional<publishing::MenuContent> content = menuContentOf(m_parts.catalog);
    if (!content)
        return std::nullopt;
    return publishing::writeDigitalMenu(*content, m_parts.machine, m_parts.boxes);
}

void PublishFeatures::writeDigitalMenu(QWidget* /*owner*/) {
    (void)writeMenu();
}

void PublishFeatures::writeAndUploadMenu(QWidget* owner) {
    const std::optional<QString> page = writeMenu();
    // A page not written is never replaced by an older copy on the server.
    if (!page)
        return;
    m_parts.catalog.readCompany();
    auto company = std::make_shared<const records::Company>(m_parts.catalog.company());
    auto server = std::make_shared<const publishing::WebServer>(
        publishing::WebServer::fromSettings(m_parts.settings));
    (void)publishing::makeTransferFolder(m_parts.machine.dataRoot());
    platform::runBehindProgress(
        m_parts.jobs,
        [company, server, path = *page, folder = m_parts.machine.transferFolder(),
         user = m_parts.user.historyName()](platform::JobReport& report) {
            report.setRange(1);
            const publishing::WebResult uploaded = publishing::publishMenu(
                *company, path, *server, report.boxes(), [&report] { return report.cancelled(); });
            keepInHistory(
                folder, publishing::menuRecord(path, uploaded, user, QDateTime::currentDateTime()),
                report.boxes());
            report.step(1);
        },
        QStringLiteral("Menüyü Oluştur"), owner);
}

void PublishFeatures::writeWeighedPriceList(const stock::ProductList& listed, QWidget* owner) {
    publishing::writePriceList(listed, m_parts.boxes, owner);
}

void PublishFeatures::showHistory(QWidget* owner) {
    publishing::PublishHistoryDialog dialog(
        publishing::readHistory(m_parts.machine.transferFolder()), owner);
    dialog.exec();
}

} // namespace parvela::app
