#include "app/Application.h"

#include "app/CostReportOpener.h"
#include "app/Login.h"
#include "app/MainWindow.h"
#include "app/StartupLoad.h"
#include "platform/JobProgressDialog.h"

#include <QGuiApplication>
#include <QScreen>
#include <QThread>
#include <QWidget>

namespace parvela::app {

Application::Application(platform::MessageBoxes& boxes)
    : m_boxes(boxes)
    , m_machine(platform::MachineInfo::ofThisComputer(m_settings))
    , m_user(m_settings, boxes)
    , m_catalog(m_settings, boxes)
    , m_jobs(boxes)
    , m_stockContext(m_catalog.stockContext(boxes, m_messenger, m_jobs))
    , m_barcodes(m_catalog.runner(), boxes)
    , m_spooler(m_settings.printServer())
    , m_labelPrinter(m_catalog.runner(), m_spooler, boxes)
    , m_gate(m_catalog, m_machine, boxes)
    , m_labels(m_barcodes, m_labelPrinter, boxes, m_gate)
    , m_stockGroups(m_stockContext)
    , m_stockAttributes(m_stockContext, m_machine)
    , m_recipes(m_stockContext, costReportOpener(m_catalog, boxes))
    , m_ordering(m_catalog, boxes)
    , m_groupDialogs(m_catalog, boxes, [this] { stock::readAgainLater(m_stockContext); })
    , m_scales({m_catalog, boxes, m_jobs, m_machine, m_settings, m_gate})
    , m_publish({m_catalog, boxes, m_jobs, m_machine, m_settings, m_user, m_gate})
    , m_sheets({m_catalog, boxes, m_jobs})
    , m_checks(m_catalog, m_machine) {
    m_stockContext.behindProgress = [this](platform::JobWork job, const QString& title,
                                           QObject* owner) {
        platform::runBehindProgress(m_jobs, std::move(job), title, qobject_cast<QWidget*>(owner));
    };
}

Application::~Application() {
    // The windows first: they may still wait for a job.
    m_mainWindow.reset();
    m_jobs.shutdown();
}

stock::StockFeatures Application::stockFeatures() {
    return {m_recipes, m_stockGroups, m_ordering, m_labels, m_stockAttributes};
}

std::optional<int> Application::start(LoginPrompt& prompt) {
    if (logInUnlessDeveloperMachine(m_machine, m_settings.developerMachines(), prompt, m_user,
                                    m_boxes) == LoginResult::Cancelled)
        return kLoginCancelled;
    m_catalog.runner().setActor(
        {m_user.historyName().toStdString(), m_machine.computerName().toStdString()});
    loadSharedLists(m_catalog);
    // After the login: no box may come before its dialog.
    m_barcodes.readPrefixes();
    m_labelPrinter.allocator().readPrefixes();
    QThread::yieldCurrentThread();

    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return kNoMainWindow;
    m_mainWindow = std::make_unique<MainWindow>(
        m_catalog, m_user, m_boxes, m_messenger, m_machine, m_stockContext, stockFeatures(),
        MainFeatures{m_groupDialogs, m_ordering, m_scales, m_publish, m_sheets, m_checks});
    m_mainWindow->setGeometry(screen->geometry());
    m_mainWindow->showMaximized();
    m_mainWindow->update();
    m_mainWindow->listenForMessages();
    return std::nullopt;
}

} // namespace parvela::app
