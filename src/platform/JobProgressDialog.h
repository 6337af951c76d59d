#pragma once

#include "platform/BackgroundJobs.h"

#include <QDialog>
#include <QPointer>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

class QProgressBar;

namespace parvela::platform {

// A modal progress dialog for one background job: the job starts when the
// dialog is first shown and closes it when done. "Tamam" only closes the
// dialog (the job goes on by itself); "İptal" also asks the job to stop.
class JobProgressDialog : public QDialog {
    Q_OBJECT
public:
    JobProgressDialog(BackgroundJobs& jobs, JobWork work, const QString& title, QWidget* parent);
    ~JobProgressDialog() override;

    QProgressBar* bar() const { return m_bar; }
    bool cancelRequested() const { return m_cancelRequested; }
    // Asks the job to stop, as "İptal" does.
    void cancelJob();

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

private:
    BackgroundJobs& m_jobs;
    JobWork m_work;
    std::shared_ptr<JobMailbox> m_mailbox;
    std::shared_ptr<std::atomic<bool>> m_cancel;
    QProgressBar* m_bar;
    bool m_started = false;
    bool m_cancelRequested = false;
};

// Runs the work behind a modal progress dialog owned by `owner`; returns when
// the dialog closes, which may be before the work ends.
void runBehindProgress(BackgroundJobs& jobs, JobWork work, const QString& title, QWidget* owner);

// Runs the work behind the progress dialog and hands its result to the
// window thread; nothing when the user pressed "İptal", or closed the dialog
// or its window before the work ended (the work is then asked to stop and its
// result dropped).
template <typename Result>
std::optional<Result> resultBehindProgress(BackgroundJobs& jobs,
                                           std::function<Result(JobReport&)> work,
                                           const QString& title, QWidget* owner) {
    struct Handover {
        std::mutex mutex;
        std::optional<Result> result;
    };
    auto handover = std::make_shared<Handover>();
    const QPointer<JobProgressDialog> progress = new JobProgressDialog(
        jobs,
        [work = std::move(work), handover](JobReport& report) {
            Result result = work(report);
            const std::lock_guard lock(handover->mutex);
            handover->result = std::move(result);
        },
        title, owner);
    progress->exec();
    // One load of the guarded pointer: the dialog is gone when its window went.
    JobProgressDialog* const closed = progress.data();
    const bool wanted = closed != nullptr && !closed->cancelRequested();
    const std::lock_guard lock(handover->mutex);
    if (closed != nullptr && !handover->result)
        closed->cancelJob();
    delete closed;
    return wanted ? std::move(handover->result) : std::nullopt;
}

// A mailbox to `owner` that lets go of it when the window goes away.
std::shared_ptr<JobMailbox> mailboxOf(QWidget* owner);

} // namespace parvela::platform
