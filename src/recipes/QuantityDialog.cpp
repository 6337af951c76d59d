#include "recipes/QuantityDialog.h"

#include "platform/DialogParts.h"
#include "recipes/LineViews.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace parvela::recipes {

QuantityDialog::QuantityDialog(QuantityChange& change, QWidget* owner)
    : QDialog(owner)
    , m_change(change) {
    setObjectName(QStringLiteral("140"));
    setWindowTitle(QStringLiteral("RECETE URUN MIKTARI DEĞİŞTİR"));
    const QuantityForm& shown = change.shown();
    auto* layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("Bileşen :"), idLabel(this, "1243", shown.ingredient));
    m_quantity = idEdit(this, "1081", shown.quantity);
    m_unitcost = idEdit(this, "1238", shown.unitcost);
    layout->addRow(QStringLiteral("Miktar :"), m_quantity);
    layout->addRow(QStringLiteral("Birim Maliyet :"), m_unitcost);
    QPushButton* ok = platform::namedButton(QStringLiteral("OK"), "1", this);
    ok->setDefault(true);
    QPushButton* cancel = platform::namedButton(QStringLiteral("İptal"), "2", this);
    layout->addRow(platform::buttonRow({}, {ok, cancel}));
    connect(ok, &QPushButton::clicked, this, &QuantityDialog::apply);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    setMinimumWidth(420);
}

void QuantityDialog::apply() {
    if (m_change.apply({{}, m_quantity->text(), m_unitcost->text()}, this))
        accept();
}

} // namespace parvela::recipes
