#include "ordering/StockOrderDialog.h"

#include "ordering/StockOrderEntry.h"
#include "platform/DialogParts.h"
#include "recipes/LineViews.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace parvela::ordering {

StockOrderDialog::StockOrderDialog(StockOrderEntry& entry, QWidget* owner)
    : QDialog(owner)
    , m_entry(entry) {
    using recipes::idEdit;
    using recipes::idLabel;
    setObjectName(QStringLiteral("149"));
    setWindowTitle(QStringLiteral("STOK_SIRALAMA"));
    const stock::StockDefinition& product = entry.product();
    const StockOrderTexts shown = entry.shown();
    auto* layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("Stok Kodu :"),
                   idLabel(this, "1150", QString::number(product.stcode)));
    layout->addRow(QStringLiteral("Stok Adı :"), idLabel(this, "1149", product.stname));
    layout->addRow(QStringLiteral("Gruba ait Son Sıra :"),
                   idLabel(this, "1151", QString::number(entry.groupMax())));
    m_index = idEdit(this, "1227", shown.index);
    m_groupA = idEdit(this, "1251", shown.groupA);
    m_groupB = idEdit(this, "1250", shown.groupB);
    layout->addRow(QStringLiteral("İndex Sıra :"), m_index);
    layout->addRow(QStringLiteral("Grup A Sıra :"), m_groupA);
    layout->addRow(QStringLiteral("Grup B Sıra :"), m_groupB);
    QPushButton* ok = platform::namedButton(QStringLiteral("OK"), "1", this);
    ok->setDefault(true);
    QPushButton* cancel = platform::namedButton(QStringLiteral("İptal"), "2", this);
    layout->addRow(platform::buttonRow({ok, cancel}));
    connect(ok, &QPushButton::clicked, this, &StockOrderDialog::apply);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    setMinimumWidth(420);
}

void StockOrderDialog::apply() {
    if (m_entry.apply({m_index->text(), m_groupA->text(), m_groupB->text()}, this))
        accept();
}

} // namespace parvela::ordering
