#pragma once

namespace parvela::platform {
class ProgramMessenger;
}

namespace parvela::platform {

// Tells the restaurant program that a product was saved (4377 to
// "yonetim_rest"); false when it is not running.
bool notifyRestaurantProgram(const platform::ProgramMessenger& messenger);
// Tells the mobile server that everything was read again (1109 to
// "Android_Server"); false when it is not running.
bool notifyMobileServer(const platform::ProgramMessenger& messenger);

} // namespace parvela::platform
