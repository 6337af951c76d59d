#pragma once

#include <QString>
#include <string>

namespace parvela::platform {

// Writes `bytes` to `path` through a temporary file and a rename, so a
// reader never sees half a file. Empty when written, else "<path> yazılamadı:
// <reason>".
QString writeFileAtomically(const QString& path, const std::string& bytes);

} // namespace parvela::platform
