#pragma once

#include "app/BatchCommands.h"

namespace parvela::app {

// "lint [--json]": the catalogue check, as "Katalog Kontrolü" shows it; ends
// with 3 when it finds an error.
BatchCommand lintCommand();

} // namespace parvela::app
