#include "stock/attributes/SizePricesDialog.h"

#include "platform/DialogParts.h"
#include "stock/editor/StockEditorForm.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace parvela::stock {

namespace {

QLineEdit* priceEdit(const char* id, const QString& price, QWidget* parent) {
    auto* edit = new QLineEdit(price, parent);
    edit->setObjectName(QString::fromLatin1(id));
    edit->setAlignment(Qt::AlignCenter);
    edit->setMaxLength(static_cast<int>(kNumberChars));
    return edit;
}

} // namespace

SizePricesDialog::SizePricesDialog(const QString& heading, const SizeForm& form, Save save,
                                   QWidget* owner)
    : QDialog(owner)
    , m_save(std::move(save))
    , m_small(priceEdit("smallPrice", form.small, this))
    , m_medium(priceEdit("mediumPrice", form.medium, this))
    , m_large(priceEdit("largePrice", form.large, this)) {
    setObjectName(QStringLiteral("146"));
    setWindowTitle(QStringLiteral("SMALL MEDIUM LARGE"));
    auto* prices = new QFormLayout;
    prices->addRow(QStringLiteral("Small Price"), m_small);
    prices->addRow(QStringLiteral("Medium Price"), m_medium);
    prices->addRow(QStringLiteral("Large Price"), m_large);
    QPushButton* saveButton = platform::namedButton(QStringLiteral("KAydet"), "1", this);
    connect(saveButton, &QPushButton::clicked, this, [this] {
        if (m_save(this->form()))
            accept();
    });
    auto* column = new QVBoxLayout(this);
    column->addWidget(new QLabel(heading, this));
    column->addLayout(prices);
    column->addLayout(platform::buttonRow({saveButton}));
}

SizeForm SizePricesDialog::form() const {
    return {m_small->text(), m_medium->text(), m_large->text()};
}

} // namespace parvela::stock
