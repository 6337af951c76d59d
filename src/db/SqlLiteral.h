#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace parvela::db {

// Backslash before ' and \ (and NUL as \0), so that text between single
// quotes cannot end its literal early. Nothing else changes.
std::string escapeQuotes(std::string_view bytes);

// '…' around escaped bytes: for values such as IP addresses and passwords.
std::string quotedLiteral(std::string_view bytes);

// A text literal for product names, notes, image names and the login code:
// _latin5'…' with the text's code page 1254 bytes, as the other programs of
// the suite write them. Text that latin5 cannot hold (the euro sign, curly
// quotes and dashes live in code page 1254 at 0x80-0x9F, where latin5 has
// control characters; letters of other scripts have no byte at all) is
// written as _utf8mb4'…' so it is stored intact.
std::string latin5Literal(const QString& text);
// The same for a field converted in a buffer of `bufferSize` bytes (the
// terminator included): a longer text keeps its first bufferSize - 1
// characters, as the other programs store it.
std::string latin5Literal(const QString& text, qsizetype bufferSize);

} // namespace parvela::db
