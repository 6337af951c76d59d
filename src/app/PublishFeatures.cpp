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
#include "publishing/PublishLock.h"
#include "publishing/TransferFiles.h"
#include "publishing/WebUpload.h"
#include "stock/catalogue/StockListReaders.h"

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

// The transfer folder's lock for a run started here, held by the run's job
// until its history record is kept; nothing, after the box saying who runs
// one already, when another run holds it.
std::shared_ptr<publishing::PublishLock> PublishFeatures::lockForRun(const QString& caption,
                                                                     QWidget* owner) {
    auto lock = std::make_shared<publishing::PublishLock>(
        m_parts.machine.transferFolder(),
        publishing::RunStarter{m_parts.user.historyName(), m_parts.machine.computerName(),
                               QDateTime::currentDateTime()});
    if (lock->held())
        return lock;
    m_parts.boxes.tell(lock->refusal(), caption, platform::BoxIcon::Exclamation, owner);
    return nullptr;
}

void PublishFeatures::sendToBranches(QWidget* owner) {
    if (!m_parts.gate.goOn(QStringLiteral("Şubelere Gönder"), owner))
        return;
    std::shared_ptr<publishing::PublishLock> lock =
        lockForRun(QStringLiteral("Şubelere Gönder"), owner);
    std::optional<publishing::CatalogueSnapshot> read =
        lock ? catalogueSnapshot(m_parts.catalog) : std::nullopt;
    if (!read) {
        platform::mailboxOf(owner)->post(platform::msg::kCataloguePublished,
                                         static_cast<int>(publishing::PublishOutcome::Failed));
        return;
    }
    auto snapshot = std::make_shared<const publishing::CatalogueSnapshot>(std::move(*read));
    auto target = std::make_shared<const PublishTargetParts>(
        publishTargetOf(m_parts.machine, m_parts.settings, true));
    auto toWindow = platform::mailboxOf(owner);
    const db::StatementRunner& runner = m_parts.catalog.runner();
    platform::runBehindProgress(
        m_parts.jobs,
        [snapshot, target, toWindow, &runner, lock,
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
            lock->release();
            toWindow->post(platform::msg::kCataloguePublished, static_cast<int>(result.outcome()),
                           result.reason);
        },
        QStringLiteral("Şubelere Gönder"), owner);
}

void PublishFeatures::writeDigitalMenu(QWidget* owner) {
    runMenu(false, owner);
}

void PublishFeatures::writeAndUploadMenu(QWidget* owner) {
    runMenu(true, owner);
}

// The menu's lists are read here; the page is built, written and, when
// asked, uploaded behind the progress dialog. A page not written is never
// replaced by an older copy on the server.
void PublishFeatures::runMenu(bool upload, QWidget* owner) {
    const QString caption = QStringLiteral("Menüyü Oluştur");
    std::shared_ptr<publishing::PublishLock> lock = lockForRun(caption, owner);
    if (!lock)
        return;
    std::optional<publishing::MenuContent> read = menuContentWithoutPictures(m_parts.catalog);
    if (!read)
        return;
    // Only the job touches it once it starts.
    auto content = std::make_shared<publishing::MenuContent>(std::move(*read));
    std::shared_ptr<const publishing::WebServer> server;
    if (upload) {
        m_parts.catalog.readCompany();
        server = std::make_shared<const publishing::WebServer>(
            publishing::WebServer::fromSettings(m_parts.settings));
    }
    auto company = std::make_shared<const records::Company>(m_parts.catalog.company());
    platform::runBehindProgress(
        m_parts.jobs,
        [content, company, server, lock, machine = m_parts.machine,
         &runner = m_parts.catalog.runner(),
         user = m_parts.user.historyName()](platform::JobReport& report) {
            const db::DatabaseThread databaseThread;
            report.setRange(server ? 2 : 1);
            // A page without its pictures must not replace the one online.
            if (stock::readPictures(runner.withBoxes(report.boxes()), content->pictures) < 0) {
                lock->release();
                return;
            }
            const std::optional<QString> page =
                publishing::writeDigitalMenu(*content, machine, report.boxes());
            report.step(1);
            if (page && server) {
                const publishing::WebResult uploaded =
                    publishing::publishMenu(*company, *page, *server, report.boxes(),
                                            [&report] { return report.cancelled(); });
                keepInHistory(
                    machine.transferFolder(),
                    publishing::menuRecord(*page, uploaded, user, QDateTime::currentDateTime()),
                    report.boxes());
                report.step(2);
            }
            lock->release();
        },
        caption, owner);
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
