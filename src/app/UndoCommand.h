#pragma once

#include "app/BatchCommands.h"

namespace parvela::app {

// "undo --list" and "undo ID [--force]": the change journal, as "Geri Al"
// shows it and takes a change back.
BatchCommand undoCommand();

} // namespace parvela::app
