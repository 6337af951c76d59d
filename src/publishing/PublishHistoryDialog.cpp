#include "publishing/PublishHistoryDialog.h"

#include "platform/DialogParts.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace parvela::publishing {

PublishHistoryDialog::PublishHistoryDialog(std::vector<HistoryRecord> records, QWidget* owner)
    : QDialog(owner)
    , m_records(std::move(records))
    , m_list(platform::listView("history",
                                {QStringLiteral("Zaman"), QStringLiteral("Kullanıcı"),
                                 QStringLiteral("Tür"), QStringLiteral("Durum")},
                                {140, 90, 70, 330}, this))
    , m_detail(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("publishHistory"));
    setWindowTitle(QStringLiteral("Yayın Geçmişi"));
    m_list->setRootIsDecorated(false);
    for (const HistoryRecord& record : m_records)
        new QTreeWidgetItem(m_list, {record.time.toString(QStringLiteral("dd.MM.yyyy HH:mm")),
                                     record.user, record.kind, record.status});
    m_detail->setObjectName(QStringLiteral("detail"));
    m_detail->setReadOnly(true);
    m_detail->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_detail->setMinimumHeight(180);
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, [this] { showDetail(); });
    QPushButton* close = platform::namedButton(QStringLiteral("Kapat"), "2", this);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* column = new QVBoxLayout(this);
    column->addWidget(m_list, 1);
    column->addWidget(m_detail);
    column->addLayout(platform::buttonRow({close}));
    if (m_list->topLevelItemCount() > 0)
        m_list->setCurrentItem(m_list->topLevelItem(0));
    resize(760, 520);
}

void PublishHistoryDialog::showDetail() {
    const int row = m_list->indexOfTopLevelItem(m_list->currentItem());
    m_detail->setPlainText(row >= 0 && static_cast<std::size_t>(row) < m_records.size()
                               ? historyText(m_records[static_cast<std::size_t>(row)])
                               : QString());
}

} // namespace parvela::publishing
