#include "platform/Notifications.h"

#include "platform/ProgramMessenger.h"
#include "platform/WindowMessages.h"

namespace parvela::platform {

bool notifyRestaurantProgram(const platform::ProgramMessenger& messenger) {
    return messenger.send(QString::fromLatin1(msg::kRestaurantProgram), msg::kStockSaved);
}

bool notifyMobileServer(const platform::ProgramMessenger& messenger) {
    return messenger.send(QString::fromLatin1(msg::kMobileServer), msg::kDataReloaded);
}

} // namespace parvela::platform
