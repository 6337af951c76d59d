#include "app/SheetFeatures.h"

#include "app/CatalogData.h"
#include "db/DatabaseThread.h"
#include "platform/JobProgressDialog.h"
#include "platform/MessageBoxes.h"
#include "platform/WindowMessages.h"
#include "spreadsheets/DeliverySheet.h"
#include "spreadsheets/ImportPreviewDialog.h"
#include "spreadsheets/MenuImportText.h"
#include "spreadsheets/WorkbookApart.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>
#include <QWidget>

namespace parvela::app {

namespace {

using namespace spreadsheets;

QString importCaption() {
    return QString::fromUtf8(kImportCaption);
}

// The folder of the last sheet, else the documents folder; a folder that is
// not there would leave its name in the dialog's file field.
QString startFolder(const QString& lastFolder) {
    for (const QString& folder :
         {lastFolder, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)})
        if (!folder.isEmpty() && QFileInfo(folder).isDir())
            return folder;
    return QDir::homePath();
}

QString chooseSheet(QWidget* owner, const QString& lastFolder) {
    return QFileDialog::getOpenFileName(
        owner, importCaption(), startFolder(lastFolder),
        QStringLiteral("Excel tabloları (*.xls *.xlsx);;Tüm dosyalar (*)"));
}

// The main window shows the count read and repaints twice, as the other
// programs of the suite expect.
void tellRead(QWidget* owner, std::size_t rows) {
    if (owner == nullptr)
        return;
    platform::JobEvent read(platform::msg::kSheetRead, static_cast<int>(rows));
    QCoreApplication::sendEvent(owner, &read);
    for (int i = 0; i < 2; ++i)
        QCoreApplication::postEvent(
            owner, new QEvent(platform::msg::eventType(platform::msg::kScaleIdle)));
}

platform::JobWork insertJob(std::shared_ptr<const ImportPlan> plan,
                            const db::StatementRunner& runner,
                            std::shared_ptr<platform::JobMailbox> toWindow) {
    return [plan, &runner, toWindow](platform::JobReport& report) {
        const db::DatabaseThread databaseThread;
        report.setRange(static_cast<int>(plan->products.size()));
        const ImportResult result =
            insertPlanned(*plan, runner.withBoxes(report.boxes()), [&report](int done) {
                report.step(done);
                return !report.cancelled();
            });
        const auto icon = result.refused + result.notTried > 0 ? platform::BoxIcon::Exclamation
                                                               : platform::BoxIcon::Information;
        report.boxes().tell(resultText(result), importCaption(), icon);
        toWindow->post(platform::msg::kSheetImported, result.inserted);
    };
}

// The sheet read by the reader program and planned on a worker behind the
// progress dialog: "İptal" kills the reader, and the plan then only says so.
SheetPlan planBehindProgress(platform::BackgroundJobs& jobs, const db::StatementRunner& runner,
                             stock::CatalogueRef catalogue, const QString& path, int sheet,
                             bool hasHeader, QWidget* owner) {
    std::optional<SheetPlan> planned = platform::resultBehindProgress<SheetPlan>(
        jobs,
        [&runner, catalogue = std::move(catalogue), path, sheet,
         hasHeader](platform::JobReport& report) {
            const db::DatabaseThread databaseThread;
            const SheetSource source = sheetReaderApart([&report] { return report.cancelled(); });
            return planSheet(source, path, sheet, hasHeader, runner.withBoxes(report.boxes()),
                             catalogue->products);
        },
        importCaption(), owner);
    if (planned)
        return std::move(*planned);
    SheetPlan cancelled;
    cancelled.error = kSheetReadCancelled;
    return cancelled;
}

} // namespace

void SheetFeatures::importDeliveryMenu(QWidget* owner) {
    const QString path = chooseSheet(owner, m_lastFolder);
    if (path.isEmpty())
        return;
    m_lastFolder = QFileInfo(path).absolutePath();
    const db::StatementRunner& runner = m_parts.catalog.runner();
    // The catalogue newest at each planning: the preview may stay open while it changes.
    const stock::CatalogueFeed& catalogue = m_parts.catalog.catalogue();
    auto planner = [&path, &runner, &catalogue, &jobs = m_parts.jobs, owner](int sheet,
                                                                             bool hasHeader) {
        return planBehindProgress(jobs, runner, catalogue.current(), path, sheet, hasHeader, owner);
    };
    SheetPlan first = planner(0, true);
    // The user stopped it: nothing more to say.
    if (first.error == kSheetReadCancelled)
        return;
    if (!first.error.isEmpty()) {
        m_parts.boxes.tell(first.error, QString(), platform::BoxIcon::None, owner);
        return;
    }
    ImportPreviewDialog preview(path, std::move(first), planner, owner);
    if (preview.exec() != QDialog::Accepted || !confirmMarked(preview.plan(), m_parts.boxes, owner))
        return;
    auto plan = std::make_shared<const ImportPlan>(preview.plan());
    tellRead(owner, plan->products.size());
    platform::runBehindProgress(m_parts.jobs, insertJob(plan, runner, platform::mailboxOf(owner)),
                                importCaption(), owner);
}

// The pictures are read and the sheet written on a worker; the job tells how
// it ended. "İptal" before the writing begins leaves the old sheet.
void SheetFeatures::exportDeliverySheet(QWidget* owner) {
    const QString caption = QString::fromUtf8(kExportCaption);
    platform::runBehindProgress(
        m_parts.jobs,
        [catalogue = m_parts.catalog.current(), &runner = m_parts.catalog.runner(),
         caption](platform::JobReport& report) {
            const db::DatabaseThread databaseThread;
            const QString failure =
                exportCatalogue(runner.withBoxes(report.boxes()), catalogue->products,
                                deliverySheetPath(), [&report] { return report.cancelled(); });
            if (failure == kExportCancelled)
                return;
            if (!failure.isEmpty())
                report.boxes().tell(failure, caption, platform::BoxIcon::Exclamation);
            else
                report.boxes().tell(exportDoneText(catalogue->products.size()), caption,
                                    platform::BoxIcon::Information);
        },
        caption, owner);
}

} // namespace parvela::app
