#pragma once

#include "platform/WorkerBoxes.h"

#include <QEvent>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class QObject;

namespace parvela::platform {

// A progress report of a job: the range (the number of items) or a step (the
// number done so far), posted to the window that shows the job.
class JobEvent : public QEvent {
public:
    JobEvent(int message, int value, QString text = {});
    int value() const { return m_value; }
    // What a report says beyond its number, such as why a job failed.
    const QString& text() const { return m_text; }

private:
    int m_value;
    QString m_text;
};

// Where a job posts its reports. The receiver lets go of it when it goes
// away; reports after that are dropped.
class JobMailbox {
public:
    explicit JobMailbox(QObject* receiver)
        : m_receiver(receiver) {}
    void post(int message, int value, const QString& text = {});
    // The job has ended: the receiver gets a close event.
    void postClose();
    void detach();

private:
    std::mutex m_mutex;
    QObject* m_receiver;
};

// What a job's work sees of the world: where to report, whether the user
// cancelled, and the boxes it may show.
class JobReport {
public:
    JobReport(std::shared_ptr<JobMailbox> mailbox, std::shared_ptr<std::atomic<bool>> cancel,
              MessageBoxes& boxes)
        : m_mailbox(std::move(mailbox))
        , m_cancel(std::move(cancel))
        , m_boxes(boxes) {}

    void setRange(int count);
    void step(int done);
    bool cancelled() const { return m_cancel->load(); }
    MessageBoxes& boxes() { return m_boxes; }

private:
    std::shared_ptr<JobMailbox> m_mailbox;
    std::shared_ptr<std::atomic<bool>> m_cancel;
    MessageBoxes& m_boxes;
};

using JobWork = std::function<void(JobReport&)>;

// Long work off the user-interface thread. Each job runs on a thread of its
// own, reports to a mailbox and ends with a close posted to it; its boxes are
// shown on the user-interface thread. The owner waits for every job when it
// goes (after releasing any worker waiting for a box), so that no job
// outlives the data it works on.
class BackgroundJobs {
public:
    explicit BackgroundJobs(MessageBoxes& screen)
        : m_boxes(screen) {}
    ~BackgroundJobs();
    BackgroundJobs(const BackgroundJobs&) = delete;
    BackgroundJobs& operator=(const BackgroundJobs&) = delete;

    // Starts the work; returns the flag that cancels it.
    std::shared_ptr<std::atomic<bool>> start(JobWork work, std::shared_ptr<JobMailbox> mailbox);
    // Cancels every job and waits for it; boxes are no longer shown.
    void shutdown();
    // Whether a job is still running.
    bool busy();

private:
    struct Worker {
        std::thread thread;
        std::shared_ptr<std::atomic<bool>> done;
        std::shared_ptr<std::atomic<bool>> cancel;
    };
    void joinFinished();

    WorkerBoxes m_boxes;
    std::vector<Worker> m_workers;
};

} // namespace parvela::platform
