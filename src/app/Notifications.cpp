#include "app/Notifications.h"

#include "app/PrivateMessages.h"
#include "platform/ProgramMessenger.h"

namespace parvela::app {

bool notifyRestaurantProgram(const platform::ProgramMessenger& messenger) {
    return messenger.send(QString::fromLatin1(msg::kRestaurantProgram), msg::kStockSaved);
}

bool notifyMobileServer(const platform::ProgramMessenger& messenger) {
    return messenger.send(QString::fromLatin1(msg::kMobileServer), msg::kDataReloaded);
}

} // namespace parvela::app
