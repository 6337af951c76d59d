#include "spreadsheets/ImportPreviewDialog.h"

#include "db/SqlFormat.h"
#include "platform/DialogParts.h"
#include "spreadsheets/MenuImportText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace parvela::spreadsheets {

namespace {

QTreeWidgetItem* itemOf(const PlannedProduct& planned) {
    const stock::StockDefinition& product = planned.row.product;
    auto* item = new QTreeWidgetItem(
        {QString::number(planned.row.sheetRow), QString::number(product.stcode),
         QString::fromStdString(product.barcode), shownName(product.stname),
         QString::fromStdString(db::sqlf("%.2f", product.sellp1)), warningsOf(planned)});
    item->setTextAlignment(4, Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

} // namespace

ImportPreviewDialog::ImportPreviewDialog(const QString& path, SheetPlan first, Planner planner,
                                         QWidget* owner)
    : QDialog(owner)
    , m_planner(std::move(planner))
    , m_sheets(new QComboBox(this))
    , m_header(new QCheckBox(QStringLiteral("İlk satır başlık"), this))
    , m_rows(platform::listView("rows",
                                {QStringLiteral("Satır"), QStringLiteral("Kod"),
                                 QStringLiteral("Barkod"), QStringLiteral("Ad"),
                                 QStringLiteral("Fiyat"), QStringLiteral("Uyarı")},
                                {50, 70, 120, 230, 70, 200}, this))
    , m_totals(new QLabel(this))
    , m_import(platform::namedButton(QStringLiteral("İçe Aktar"), "1", this)) {
    setObjectName(QStringLiteral("importPreview"));
    setWindowTitle(QString::fromUtf8(kImportCaption));
    m_sheets->setObjectName(QStringLiteral("sheet"));
    m_sheets->addItems(first.sheetNames);
    m_header->setObjectName(QStringLiteral("header"));
    m_header->setChecked(true);
    m_rows->setRootIsDecorated(false);
    m_totals->setObjectName(QStringLiteral("totals"));
    m_totals->setWordWrap(true);
    QPushButton* cancel = platform::namedButton(QStringLiteral("Vazgeç"), "2", this);
    connect(m_import, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_sheets, &QComboBox::currentIndexChanged, this, [this] { replan(); });
    connect(m_header, &QCheckBox::toggled, this, [this] { replan(); });

    auto* choice = new QHBoxLayout;
    choice->addWidget(new QLabel(QDir::toNativeSeparators(QFileInfo(path).fileName()), this), 1);
    choice->addWidget(new QLabel(QStringLiteral("Sayfa:"), this));
    choice->addWidget(m_sheets);
    choice->addWidget(m_header);
    auto* column = new QVBoxLayout(this);
    column->addLayout(choice);
    column->addWidget(m_rows, 1);
    column->addWidget(m_totals);
    column->addLayout(platform::buttonRow({m_import, cancel}));
    display(std::move(first));
    resize(900, 560);
}

int ImportPreviewDialog::sheet() const {
    return m_sheets->currentIndex();
}

bool ImportPreviewDialog::hasHeader() const {
    return m_header->isChecked();
}

void ImportPreviewDialog::replan() {
    display(m_planner(sheet(), hasHeader()));
}

void ImportPreviewDialog::display(SheetPlan planned) {
    m_shown = std::move(planned);
    m_rows->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(m_shown.plan.products.size()));
    for (const PlannedProduct& product : m_shown.plan.products)
        items << itemOf(product);
    m_rows->addTopLevelItems(items);
    const bool ready = m_shown.error.isEmpty();
    m_totals->setText(ready ? planTotalsText(m_shown.plan) : m_shown.error);
    m_import->setEnabled(ready && !m_shown.plan.products.empty());
}

} // namespace parvela::spreadsheets
