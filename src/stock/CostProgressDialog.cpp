#include "stock/CostProgressDialog.h"

#include "app/PrivateMessages.h"

#include <QProgressBar>
#include <QPushButton>

namespace parvela::stock {

CostProgressDialog::CostProgressDialog(const db::StatementRunner& runner, CostWorkers& workers,
                                       CostJob job, QWidget* parent)
    : QDialog(parent)
    , m_runner(runner)
    , m_workers(workers)
    , m_job(std::move(job))
    , m_mailbox(std::make_shared<CostMailbox>(this))
    , m_bar(new QProgressBar(this)) {
    setObjectName(QStringLiteral("136"));
    setModal(true);
    setFixedSize(300, 110);
    m_bar->setObjectName(QStringLiteral("progress"));
    m_bar->setGeometry(10, 15, 280, 22);
    m_bar->setRange(0, 0);
    m_bar->setValue(0);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("1"));
    ok->setGeometry(60, 65, 80, 26);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("2"));
    cancel->setGeometry(160, 65, 80, 26);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

CostProgressDialog::~CostProgressDialog() {
    // The worker may outlive the dialog; its reports go nowhere from now on.
    m_mailbox->detach();
}

void CostProgressDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_started)
        return;
    m_started = true;
    m_workers.start(m_runner, std::move(m_job), m_mailbox);
}

bool CostProgressDialog::event(QEvent* event) {
    const int type = static_cast<int>(event->type());
    if (type == app::msg::kCostRange) {
        m_bar->setRange(0, static_cast<CostEvent*>(event)->value());
        m_bar->setValue(0);
        return true;
    }
    if (type == app::msg::kCostStep) {
        m_bar->setValue(static_cast<CostEvent*>(event)->value());
        return true;
    }
    return QDialog::event(event);
}

} // namespace parvela::stock
