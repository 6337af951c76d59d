#include "checks/CatalogueCheckDialog.h"

#include "checks/CheckReport.h"
#include "platform/DialogParts.h"

#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace parvela::checks {

namespace {

QTreeWidgetItem* itemOf(const Finding& finding) {
    auto* item =
        new QTreeWidgetItem({severityText(finding.severity), QString::number(finding.stcode),
                             finding.name, finding.problem, finding.remedy});
    if (finding.severity == Severity::Error) {
        QFont bold = item->font(0);
        bold.setBold(true);
        item->setFont(0, bold);
        item->setForeground(0, QColor(170, 0, 0));
    }
    for (int column = 3; column <= 4; ++column)
        item->setToolTip(column, item->text(column));
    return item;
}

} // namespace

CatalogueCheckDialog::CatalogueCheckDialog(Run run, QWidget* owner)
    : QDialog(owner)
    , m_run(std::move(run))
    , m_list(
          platform::listView("findings",
                             {QStringLiteral("Önem"), QStringLiteral("Kod"), QStringLiteral("Ürün"),
                              QStringLiteral("Sorun"), QStringLiteral("Yapılacak")},
                             {60, 70, 170, 300, 300}, this))
    , m_detail(new QLabel(this))
    , m_counts(new QLabel(this)) {
    setObjectName(QStringLiteral("catalogueCheck"));
    setWindowTitle(QStringLiteral("Katalog Kontrolü"));
    m_list->setRootIsDecorated(false);
    m_detail->setObjectName(QStringLiteral("detail"));
    m_detail->setWordWrap(true);
    m_detail->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_detail->setMinimumHeight(m_detail->fontMetrics().lineSpacing() * 4);
    m_detail->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_counts->setObjectName(QStringLiteral("counts"));
    connect(m_list, &QTreeWidget::currentItemChanged, this, [this] { showDetail(); });
    QPushButton* again = platform::namedButton(QStringLiteral("Yenile"), "1", this);
    QPushButton* close = platform::namedButton(QStringLiteral("Kapat"), "2", this);
    connect(again, &QPushButton::clicked, this, [this] { refresh(); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* column = new QVBoxLayout(this);
    column->addWidget(m_list, 1);
    column->addWidget(m_detail);
    column->addWidget(m_counts);
    column->addLayout(platform::buttonRow({again}, {close}));
    resize(960, 560);
    refresh();
}

void CatalogueCheckDialog::refresh() {
    m_list->clear();
    const std::optional<std::vector<Finding>> findings = m_run();
    if (!findings) {
        m_counts->setText(QStringLiteral("Katalog okunamadı."));
        return;
    }
    QList<QTreeWidgetItem*> items;
    for (const Finding& finding : *findings)
        items << itemOf(finding);
    m_list->addTopLevelItems(items);
    if (!items.isEmpty())
        m_list->setCurrentItem(items.front());
    m_counts->setText(findings->empty() ? QStringLiteral("Katalogda sorun bulunmadı.")
                                        : countsText(*findings));
}

void CatalogueCheckDialog::showDetail() {
    const QTreeWidgetItem* item = m_list->currentItem();
    m_detail->setText(item == nullptr
                          ? QString()
                          : QStringLiteral("%1 %2: %3.\n%4")
                                .arg(item->text(1), item->text(2), item->text(3), item->text(4)));
}

} // namespace parvela::checks
