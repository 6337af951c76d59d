#include "platform/BackgroundJobs.h"

#include "platform/WindowMessages.h"

#include <QCloseEvent>
#include <QCoreApplication>

namespace parvela::platform {

JobEvent::JobEvent(int message, int value, QString text)
    : QEvent(msg::eventType(message))
    , m_value(value)
    , m_text(std::move(text)) {}

void JobMailbox::post(int message, int value, const QString& text) {
    const std::lock_guard lock(m_mutex);
    if (m_receiver != nullptr)
        QCoreApplication::postEvent(m_receiver, new JobEvent(message, value, text));
}

void JobMailbox::postClose() {
    const std::lock_guard lock(m_mutex);
    if (m_receiver != nullptr)
        QCoreApplication::postEvent(m_receiver, new QCloseEvent);
}

void JobMailbox::detach() {
    const std::lock_guard lock(m_mutex);
    m_receiver = nullptr;
}

void JobReport::setRange(int count) {
    m_mailbox->post(msg::kProgressRange, count);
}

void JobReport::step(int done) {
    m_mailbox->post(msg::kProgressStep, done);
}

BackgroundJobs::~BackgroundJobs() {
    shutdown();
}

std::shared_ptr<std::atomic<bool>> BackgroundJobs::start(JobWork work,
                                                         std::shared_ptr<JobMailbox> mailbox) {
    joinFinished();
    auto done = std::make_shared<std::atomic<bool>>(false);
    auto cancel = std::make_shared<std::atomic<bool>>(false);
    std::thread thread([this, work = std::move(work), mailbox = std::move(mailbox), done, cancel] {
        JobReport report(mailbox, cancel, m_boxes);
        work(report);
        mailbox->postClose();
        done->store(true);
    });
    m_workers.push_back({std::move(thread), std::move(done), cancel});
    return cancel;
}

void BackgroundJobs::shutdown() {
    m_boxes.close();
    for (Worker& worker : m_workers) {
        worker.cancel->store(true);
        worker.thread.join();
    }
    m_workers.clear();
}

bool BackgroundJobs::busy() {
    joinFinished();
    return !m_workers.empty();
}

void BackgroundJobs::joinFinished() {
    std::erase_if(m_workers, [](Worker& worker) {
        if (!worker.done->load())
            return false;
        worker.thread.join();
        return true;
    });
}

} // namespace parvela::platform
