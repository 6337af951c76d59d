#include "app/ActiveUser.h"

#include "db/Row.h"
#include "db/SqlLiteral.h"
#include "platform/MachineInfo.h"

namespace parvela::app {

namespace {

const db::Operation kPermissionCheck("if_User_URUN_YONETIR");

// The stored code and password come back too: the server's collation
// matches them without regard to case or trailing blanks, the login must not.
constexpr const char* kModuleHead =
    "SELECT yetkiler.urunyonet,accounts.active,accounts.usercode,accounts.password FROM yetkiler "
    "INNER JOIN accounts ON accounts.userid = yetkiler.userid ";
constexpr const char* kBranchHead =
    "SELECT yetkiler.subebaglan,accounts.active,accounts.usercode,accounts.password FROM "
    "yetkiler INNER JOIN accounts ON accounts.userid = yetkiler.userid ";

} // namespace

ActiveUser::ActiveUser(const platform::Settings& settings, platform::MessageBoxes& boxes)
    : m_connection(settings)
    , m_runner(m_connection, boxes) {}

void ActiveUser::setCredentials(const QString& userCode, const std::string& password) {
    m_userCode = userCode.left(kMaxUserCode);
    m_password = password.substr(0, kMaxPassword);
}

void ActiveUser::clearFlags() {
    m_isActive = false;
    m_mayManageProducts = false;
    m_mayConnectBranches = false;
}

std::string ActiveUser::permissionStatement(const char* head) const {
    // The user's text is escaped so that a quote cannot end its literal.
    return std::string(head) + " WHERE accounts.usercode = " + db::latin5Literal(m_userCode) +
           " AND accounts.password = " + "'" + db::escapeQuotes(m_password) + "';";
}

std::string ActiveUser::modulePermissionStatement() const {
    return permissionStatement(kModuleHead);
}

std::string ActiveUser::branchPermissionStatement() const {
    return permissionStatement(kBranchHead);
}

bool ActiveUser::isExactly(const db::Row& row) const {
    return row.text(3) == m_userCode && row.bytes(4) == m_password;
}

QString ActiveUser::historyName() const {
    return m_loginSkipped ? platform::MachineInfo::userName() : m_userCode;
}

QString ActiveUser::serverAddress() const {
    // No usable Server/ipno leaves the address empty: the setting is named.
    if (m_connection.host().empty())
        return QStringLiteral("(Server/ipno ayarı yok)");
    return QString::fromStdString(m_connection.host());
}

int ActiveUser::checkPermission(const std::string& statement, bool& right) {
    const db::ServerLossScope loss(m_runner);
    const db::Outcome outcome = m_runner.queryFirst(kPermissionCheck, db::schema::users, statement,
                                                    [&](const db::Row& row) {
                                                        if (!isExactly(row))
                                                            return;
                                                        if (row.integer(1) > 0)
                                                            right = true;
                                                        if (row.integer(2) > 0)
                                                            m_isActive = true;
                                                    });
    m_serverUnreachable = loss.serverLost();
    if (outcome == db::Outcome::Failed)
        return kFailed;
    // A check the driver broke off without a code proves no right.
    if (outcome == db::Outcome::Interrupted) {
        right = false;
        m_isActive = false;
        return kNotActive;
    }
    return m_isActive ? kActive : kNotActive;
}

int ActiveUser::checkModulePermission() {
    return checkPermission(modulePermissionStatement(), m_mayManageProducts);
}

int ActiveUser::checkBranchPermission() {
    return checkPermission(branchPermissionStatement(), m_mayConnectBranches);
}

} // namespace parvela::app
