#include "app/LoginDialog.h"

#include "app/ActiveUser.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace parvela::app {

LoginDialog::LoginDialog(QWidget* parent)
    : QDialog(parent)
    , m_userCode(new QLineEdit(this))
    , m_password(new QLineEdit(this)) {
    setWindowTitle(QStringLiteral("LOGIN"));
    setObjectName(QStringLiteral("LOGIN"));

    m_userCode->setObjectName(QStringLiteral("1244"));
    m_userCode->setAlignment(Qt::AlignCenter);
    m_userCode->setMaxLength(static_cast<int>(ActiveUser::kMaxUserCode));

    m_password->setObjectName(QStringLiteral("1246"));
    m_password->setAlignment(Qt::AlignCenter);
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setMaxLength(static_cast<int>(ActiveUser::kMaxPassword));
    m_password->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,9}")), m_password));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    QPushButton* cancel =
        buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    ok->setObjectName(QStringLiteral("1"));
    cancel->setObjectName(QStringLiteral("2"));
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Kodu :"), m_userCode);
    form->addRow(QStringLiteral("Parola :"), m_password);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    setTabOrder(m_userCode, m_password);
    setTabOrder(m_password, ok);
    setTabOrder(ok, cancel);
    m_userCode->setFocus();
    setMinimumWidth(300);
}

LoginInput LoginDialog::input() const {
    return {m_userCode->text(), m_password->text().toStdString()};
}

std::optional<LoginInput> LoginDialogPrompt::ask() {
    LoginDialog dialog;
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.input();
}

} // namespace parvela::app
