#pragma once

#include <QString>
#include <functional>
#include <string>
#include <string_view>

namespace parvela::platform {

// Writes `bytes` to `path` through a new file beside it and a rename, so a
// reader never sees half a file and a write that fails (a full disk) leaves
// the old file as it was. A symbolic link at `path` is replaced by a regular
// file, never written through. Empty when written, else "<path> yazılamadı:
// <reason>" with the system's reason.
QString writeFileAtomically(const QString& path, const std::string& bytes);
// The same, with the system's reason alone.
QString replaceFileWith(const QString& path, const std::string& bytes);

// Takes a file's bytes a piece at a time; false when a piece could not be
// written, and the maker then stops.
using PieceSink = std::function<bool(std::string_view piece)>;
// Makes a file's bytes piece by piece into the sink.
using FileMaker = std::function<void(const PieceSink& sink)>;

// As writeFileAtomically, with the bytes written as they are made, so that a
// large file never has to be held whole.
QString writeFileAtomically(const QString& path, const FileMaker& make);

} // namespace parvela::platform
