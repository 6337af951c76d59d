#pragma once

#include "platform/BackgroundJobs.h"

#include <QDialog>

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

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

private:
    void cancelJob();

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

// A mailbox to `owner` that lets go of it when the window goes away.
std::shared_ptr<JobMailbox> mailboxOf(QWidget* owner);

} // namespace parvela::platform
