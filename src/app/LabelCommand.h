#pragma once

#include "app/BatchCommands.h"

namespace parvela::app {

// "label --stcode N" prints product N's label on the label printer with the
// stored layout; "label-preview --stcode N --out FILE.png" draws it instead.
BatchCommand labelCommand();
BatchCommand labelPreviewCommand();

} // namespace parvela::app
