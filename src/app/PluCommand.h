#pragma once

#include "app/BatchCommands.h"

namespace parvela::app {

// "plu" writes the scales' PLU file; "plu --send" also delivers it to every
// scale, as "Teraziye Gönder" does.
BatchCommand pluCommand();

} // namespace parvela::app
