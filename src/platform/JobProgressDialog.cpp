#include "platform/JobProgressDialog.h"

#include "platform/WindowMessages.h"

#include <QPointer>
#include <QProgressBar>
#include <QPushButton>

namespace parvela::platform {

JobProgressDialog::JobProgressDialog(BackgroundJobs& jobs, JobWork work, const QString& title,
                                     QWidget* parent)
    : QDialog(parent)
    , m_jobs(jobs)
    , m_work(std::move(work))
    , m_mailbox(std::make_shared<JobMailbox>(this))
    , m_bar(new QProgressBar(this)) {
    setWindowTitle(title);
    setModal(true);
    setFixedSize(320, 110);
    m_bar->setObjectName(QStringLiteral("progress"));
    m_bar->setGeometry(10, 15, 300, 22);
    m_bar->setRange(0, 0);
    m_bar->setValue(0);
    auto* ok = new QPushButton(QStringLiteral("Tamam"), this);
    ok->setObjectName(QStringLiteral("1"));
    ok->setGeometry(60, 65, 90, 28);
    auto* cancel = new QPushButton(QStringLiteral("İptal"), this);
    cancel->setObjectName(QStringLiteral("2"));
    cancel->setGeometry(170, 65, 90, 28);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, [this] {
        cancelJob();
        reject();
    });
}

JobProgressDialog::~JobProgressDialog() {
    // The job may outlive the dialog; its reports go nowhere from now on.
    m_mailbox->detach();
}

void JobProgressDialog::cancelJob() {
    m_cancelRequested = true;
    if (m_cancel)
        m_cancel->store(true);
}

void JobProgressDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_started)
        return;
    m_started = true;
    m_cancel = m_jobs.start(std::move(m_work), m_mailbox);
}

bool JobProgressDialog::event(QEvent* event) {
    const int type = static_cast<int>(event->type());
    if (type == msg::kProgressRange) {
        m_bar->setRange(0, static_cast<JobEvent*>(event)->value());
        m_bar->setValue(0);
        return true;
    }
    if (type == msg::kProgressStep) {
        m_bar->setValue(static_cast<JobEvent*>(event)->value());
        return true;
    }
    return QDialog::event(event);
}

void runBehindProgress(BackgroundJobs& jobs, JobWork work, const QString& title, QWidget* owner) {
    const QPointer<JobProgressDialog> progress =
        new JobProgressDialog(jobs, std::move(work), title, owner);
    progress->exec();
    delete progress.data();
}

std::shared_ptr<JobMailbox> mailboxOf(QWidget* owner) {
    auto mailbox = std::make_shared<JobMailbox>(owner);
    if (owner != nullptr)
        QObject::connect(owner, &QObject::destroyed, [mailbox] { mailbox->detach(); });
    return mailbox;
}

} // namespace parvela::platform
