#pragma once

#include "publishing/PublishHistory.h"

#include <QDialog>
#include <vector>

class QPlainTextEdit;
class QTreeWidget;

namespace parvela::publishing {

// "Yayın Geçmişi": the publishing runs, newest first, and the details of the
// one picked.
class PublishHistoryDialog : public QDialog {
    Q_OBJECT
public:
    PublishHistoryDialog(std::vector<HistoryRecord> records, QWidget* owner);

private:
    void showDetail();

    std::vector<HistoryRecord> m_records;
    QTreeWidget* m_list;
    QPlainTextEdit* m_detail;
};

} // namespace parvela::publishing
