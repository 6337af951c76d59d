#pragma once

#include "db/DbConnection.h"
#include "db/StatementRunner.h"

#include <QString>
#include <string>

namespace parvela::db {
class Row;
}
namespace parvela::platform {
class MessageBoxes;
class Settings;
} // namespace parvela::platform

namespace parvela::app {

// The user who logged in, and the rights the server grants to that user.
class ActiveUser {
public:
    static constexpr qsizetype kMaxUserCode = 39;
    static constexpr size_t kMaxPassword = 9;
    static constexpr int kActive = 1;
    static constexpr int kNotActive = -1;
    static constexpr int kFailed = -2;

    ActiveUser(const platform::Settings& settings, platform::MessageBoxes& boxes);

    // Keeps at most 39 characters of the code and 9 bytes of the password.
    void setCredentials(const QString& userCode, const std::string& password);
    void clearFlags();

    // Both answer 1 when the user is active, -1 when not active or unknown,
    // -2 after a reported failure.
    int checkModulePermission();
    int checkBranchPermission();

    // The statements as sent, for the permission checks.
    std::string modulePermissionStatement() const;
    std::string branchPermissionStatement() const;

    // Whether the last check failed because the server could not be reached
    // (refused, gone, silent past the time-out), and that server's address.
    bool serverUnreachable() const { return m_serverUnreachable; }
    QString serverAddress() const;

    const QString& userCode() const { return m_userCode; }
    // On a developer machine nobody logs in.
    void markLoginSkipped() { m_loginSkipped = true; }
    // Who the publishing history names: the user code, or the machine's user
    // where the login was skipped.
    QString historyName() const;
    bool isActive() const { return m_isActive; }
    bool mayManageProducts() const { return m_mayManageProducts; }
    bool mayConnectBranches() const { return m_mayConnectBranches; }

    db::StatementRunner& runner() { return m_runner; }

private:
    std::string permissionStatement(const char* head) const;
    int checkPermission(const std::string& statement, bool& right);
    // Whether the row found holds the code and password exactly as given.
    bool isExactly(const db::Row& row) const;

    db::DbConnection m_connection;
    db::StatementRunner m_runner;
    QString m_userCode;
    std::string m_password;
    bool m_isActive = false;
    bool m_mayManageProducts = false;
    bool m_mayConnectBranches = false;
    bool m_serverUnreachable = false;
    bool m_loginSkipped = false;
};

} // namespace parvela::app
