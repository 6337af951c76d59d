#include "app/LoginDialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using parvela::app::LoginDialog;

TEST(LoginDialog, takesDigitsOnlyAndCutsLongInput) {
    LoginDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("LOGIN"));
    auto* code = dialog.findChild<QLineEdit*>(QStringLiteral("1244"));
    auto* password = dialog.findChild<QLineEdit*>(QStringLiteral("1246"));
    ASSERT_TRUE(code && password);
    EXPECT_EQ(password->echoMode(), QLineEdit::Password);

    QTest::keyClicks(password, QStringLiteral("12ab3-4567890"));
    EXPECT_EQ(password->text(), QStringLiteral("123456789"));
    QTest::keyClicks(code, QString(45, QLatin1Char('k')));
    EXPECT_EQ(code->text().size(), 39);

    const auto input = dialog.input();
    EXPECT_EQ(input.password, "123456789");
    EXPECT_EQ(input.userCode, QString(39, QLatin1Char('k')));
}

TEST(LoginDialog, okAcceptsAndCancelRejects) {
    LoginDialog dialog;
    QTimer::singleShot(0, [&] { dialog.findChild<QPushButton*>(QStringLiteral("1"))->click(); });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    QTimer::singleShot(0, [&] { dialog.findChild<QPushButton*>(QStringLiteral("2"))->click(); });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
}
