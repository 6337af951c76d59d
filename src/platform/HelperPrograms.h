#pragma once

#include <QString>

namespace parvela::platform {

// The path of one of the program's helper programs (work run apart, so that
// a library crashing on a bad file cannot take the program down): beside the
// running program, else in the installed helper folder (libexec), else in the
// build tree's program folder, where test programs find it too. Empty when
// none has it.
QString helperProgram(const QString& name);

} // namespace parvela::platform
