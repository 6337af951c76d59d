#include "db/ChangeBehindProgress.h"

#include "db/DatabaseThread.h"
#include "db/StatementRunner.h"
#include "platform/BackgroundJobs.h"

#include <QCoreApplication>
#include <chrono>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace parvela::db {

namespace {

// How often the window thread looks whether a stopped change has ended.
constexpr std::chrono::milliseconds kEndedPoll{5};

} // namespace

ChangeEnd runChangeBehindProgress(const StatementRunner& runner, platform::MessageBoxes& boxes,
                                  const ProgressShower& show, const QString& title, ChangeWork work,
                                  QObject* owner) {
    struct Handover {
        std::mutex mutex;
        std::optional<ChangeEnd> ended;
    };
    auto handover = std::make_shared<Handover>();
    auto job = [&runner, work = std::move(work), handover](platform::JobReport& report) {
        const bool written = work(runner.withBoxes(report.boxes()), report);
        const std::lock_guard lock(handover->mutex);
        handover->ended = written              ? ChangeEnd::Written
                          : report.cancelled() ? ChangeEnd::Cancelled
                                               : ChangeEnd::Failed;
    };
    const auto ended = [&handover] {
        const std::lock_guard lock(handover->mutex);
        return handover->ended;
    };
    if (!show) {
        platform::JobReport report(std::make_shared<platform::JobMailbox>(nullptr),
                                   std::make_shared<std::atomic<bool>>(false), boxes);
        job(report);
        return *ended();
    }
    show(
        [job = std::move(job)](platform::JobReport& report) {
            const DatabaseThread databaseThread;
            job(report);
        },
        title, owner);
    // Until it has ended, its rows are neither written nor free.
    while (!ended()) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        std::this_thread::sleep_for(kEndedPoll);
    }
    return *ended();
}

} // namespace parvela::db
