#pragma once

#include "stock/CostPropagation.h"

#include <QDialog>
#include <memory>

class QProgressBar;

namespace parvela::db {
class StatementRunner;
}

namespace parvela::stock {

// Shows the cost propagation's progress. The worker starts when the dialog
// is first shown and closes it when done; OK and Cancel only close it, the
// worker then finishes on its own.
class CostProgressDialog : public QDialog {
    Q_OBJECT
public:
    CostProgressDialog(const db::StatementRunner& runner, CostWorkers& workers, CostJob job,
                       QWidget* parent);
    ~CostProgressDialog() override;

    QProgressBar* bar() const { return m_bar; }

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

private:
    const db::StatementRunner& m_runner;
    CostWorkers& m_workers;
    CostJob m_job;
    std::shared_ptr<CostMailbox> m_mailbox;
    QProgressBar* m_bar;
    bool m_started = false;
};

} // namespace parvela::stock
