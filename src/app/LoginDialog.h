#pragma once

#include "app/Login.h"

#include <QDialog>

class QLineEdit;

namespace parvela::app {

// The LOGIN dialog: a user code of at most 39 characters and a password of
// at most 9 digits.
class LoginDialog : public QDialog {
    Q_OBJECT
public:
    explicit LoginDialog(QWidget* parent = nullptr);

    LoginInput input() const;

private:
    QLineEdit* m_userCode = nullptr;
    QLineEdit* m_password = nullptr;
};

// Shows a fresh LOGIN dialog for each attempt.
class LoginDialogPrompt : public LoginPrompt {
public:
    std::optional<LoginInput> ask() override;
};

} // namespace parvela::app
