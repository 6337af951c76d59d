#include "app/Login.h"

#include "app/ActiveUser.h"
#include "platform/MachineInfo.h"
#include "platform/MessageBoxes.h"

#include <algorithm>

namespace parvela::app {

bool isDeveloperMachine(const platform::MachineInfo& machine,
                        const QStringList& developerMachines) {
    return std::any_of(developerMachines.begin(), developerMachines.end(),
                       [&](const QString& name) { return machine.computerNameDiffers(name) == 0; });
}

namespace {

// Each attempt judges only the user just entered.
void check(const LoginInput& input, ActiveUser& user) {
    user.setCredentials(input.userCode, input.password);
    user.clearFlags();
    user.checkModulePermission();
}

// The refusal's box; false when the user may go on.
bool refused(const ActiveUser& user, platform::MessageBoxes& boxes) {
    if (!user.isActive())
        boxes.tell(kUserNotActive, kLoginCaption, platform::BoxIcon::Exclamation);
    else if (!user.mayManageProducts())
        boxes.tell(kNoModuleRight, kLoginCaption, platform::BoxIcon::Exclamation);
    else
        return false;
    return true;
}

} // namespace

QString serverUnreachableText(const QString& server) {
    return QStringLiteral("Veritabanı sunucusuna ulaşılamadı: ") + server;
}

LoginResult logIn(LoginPrompt& prompt, ActiveUser& user, platform::MessageBoxes& boxes) {
    for (;;) {
        const std::optional<LoginInput> input = prompt.ask();
        if (!input)
            return LoginResult::Cancelled;
        check(*input, user);
        if (!refused(user, boxes))
            return LoginResult::LoggedIn;
    }
}

LoginResult logInOnce(const LoginInput& input, ActiveUser& user, platform::MessageBoxes& boxes) {
    check(input, user);
    if (user.serverUnreachable()) {
        boxes.tell(serverUnreachableText(user.serverAddress()), kLoginCaption,
                   platform::BoxIcon::Exclamation);
        return LoginResult::ServerUnreachable;
    }
    return refused(user, boxes) ? LoginResult::Cancelled : LoginResult::LoggedIn;
}

LoginResult logInUnlessDeveloperMachine(const platform::MachineInfo& machine,
                                        const QStringList& developerMachines, LoginPrompt& prompt,
                                        ActiveUser& user, platform::MessageBoxes& boxes) {
    if (isDeveloperMachine(machine, developerMachines)) {
        user.markLoginSkipped();
        return LoginResult::SkippedOnDeveloperMachine;
    }
    return logIn(prompt, user, boxes);
}

} // namespace parvela::app
