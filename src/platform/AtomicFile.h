#pragma once

#include <QString>
#include <string>

namespace parvela::platform {

// Writes `bytes` to `path` through a new file beside it and a rename, so a
// reader never sees half a file and a write that fails (a full disk) leaves
// the old file as it was. A symbolic link at `path` is replaced by a regular
// file, never written through. Empty when written, else "<path> yazılamadı:
// <reason>" with the system's reason.
QString writeFileAtomically(const QString& path, const std::string& bytes);
// The same, with the system's reason alone.
QString replaceFileWith(const QString& path, const std::string& bytes);

} // namespace parvela::platform
