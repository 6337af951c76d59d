#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <string>

namespace parvela::platform {
class MachineInfo;
class MessageBoxes;
} // namespace parvela::platform

namespace parvela::app {

class ActiveUser;

struct LoginInput {
    QString userCode;
    std::string password;
};

// Asks the user for a code and password; nothing means the user cancelled.
class LoginPrompt {
public:
    virtual ~LoginPrompt() = default;
    virtual std::optional<LoginInput> ask() = 0;
};

enum class LoginResult { LoggedIn, Cancelled, SkippedOnDeveloperMachine, ServerUnreachable };

inline const QString kLoginCaption = QStringLiteral("MODÜL YETKİ SERVİSİ");
inline const QString kUserNotActive = QStringLiteral("Bu modülü kullanıcı aktif degil.");
inline const QString kNoModuleRight = QStringLiteral("Bu modülü kullanmaya yetkili değilsiniz.");
// The server that could not be reached, named.
QString serverUnreachableText(const QString& server);

// True when this computer is one of the developers' machines, on which the
// login is skipped.
bool isDeveloperMachine(const platform::MachineInfo& machine, const QStringList& developerMachines);

// Asks until an active user with the right to manage products logs in, or
// the user cancels. There is no limit on attempts.
LoginResult logIn(LoginPrompt& prompt, ActiveUser& user, platform::MessageBoxes& boxes);

// One attempt, as a command-line run makes it: a refusal is told as the
// LOGIN dialog tells it (Cancelled then); a server that could not be reached
// judged nobody, and is named instead (ServerUnreachable).
LoginResult logInOnce(const LoginInput& input, ActiveUser& user, platform::MessageBoxes& boxes);

// The login a run of the program starts with: none on a developer machine.
LoginResult logInUnlessDeveloperMachine(const platform::MachineInfo& machine,
                                        const QStringList& developerMachines, LoginPrompt& prompt,
                                        ActiveUser& user, platform::MessageBoxes& boxes);

} // namespace parvela::app
