#pragma once

#include "app/MainScreenPainter.h"

namespace parvela::platform {
class MachineInfo;
}

namespace parvela::app {

// The page arrows from the program's icons folder, where the restaurant may
// have put its own; the copies shipped with the program when they are missing.
ArrowPictures loadArrowPictures(const platform::MachineInfo& machine);

} // namespace parvela::app
