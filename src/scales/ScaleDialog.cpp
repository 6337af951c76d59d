#include "scales/ScaleDialog.h"

#include "platform/DialogParts.h"
#include "scales/ScaleStore.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace parvela::scales {

namespace {

QLineEdit* addressEdit(const char* id, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(id));
    edit->setMaxLength(ScaleStore::kAddressLength);
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("000.000.000.000")) +
                          24);
    return edit;
}

} // namespace

ScaleDialog::ScaleDialog(const std::vector<QString>& addresses, Save save, QWidget* owner)
    : QDialog(owner)
    , m_save(std::move(save))
    , m_first(addressEdit("1132", this))
    , m_second(addressEdit("1131", this)) {
    setObjectName(QStringLiteral("148"));
    setWindowTitle(QStringLiteral("TERAZI_TANIM"));
    fill(addresses);
    QPushButton* ok = platform::namedButton(QStringLiteral("OK"), "1", this);
    QPushButton* cancel = platform::namedButton(QStringLiteral("Cancel"), "2", this);
    connect(ok, &QPushButton::clicked, this, [this] {
        fill(m_save({m_first->text(), m_second->text()}));
        done(1);
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* form = new QFormLayout;
    form->addRow(new QLabel(QStringLiteral("TERAZI_A :"), this), m_first);
    form->addRow(new QLabel(QStringLiteral("TERAZI_B :"), this), m_second);
    auto* column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addLayout(platform::buttonRow({ok, cancel}));
}

void ScaleDialog::fill(const std::vector<QString>& addresses) {
    if (!addresses.empty())
        m_first->setText(addresses[0]);
    if (addresses.size() > 1)
        m_second->setText(addresses[1]);
}

} // namespace parvela::scales
