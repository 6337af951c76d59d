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

LoginResult logIn(LoginPrompt& prompt, ActiveUser& user, platform::MessageBoxes& boxes) {
    for (;;) {
        const std::optional<LoginInput> input = prompt.ask();
        if (!input)
            return LoginResult::Cancelled;
        user.setCredentials(input->userCode, input->password);
        user.clearFlags();
        user.checkModulePermission();
        // Each attempt judges only the user just entered.
        if (!user.isActive())
            boxes.tell(kUserNotActive, kLoginCaption, platform::BoxIcon::Exclamation);
        else if (!user.mayManageProducts())
            boxes.tell(kNoModuleRight, kLoginCaption, platform::BoxIcon::Exclamation);
        else
            return LoginResult::LoggedIn;
    }
}

LoginResult logInUnlessDeveloperMachine(const platform::MachineInfo& machine,
                                        const QStringList& developerMachines, LoginPrompt& prompt,
                                        ActiveUser& user, platform::MessageBoxes& boxes) {
    if (isDeveloperMachine(machine, developerMachines))
        return LoginResult::SkippedOnDeveloperMachine;
    return logIn(prompt, user, boxes);
}

} // namespace parvela::app
