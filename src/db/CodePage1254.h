#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace parvela::db {

// The Windows Turkish code page, which the suite's files and the server's
// latin5 literals use for Turkish text.
struct Cp1254 {
    // The bytes of text, or nothing when a character has no place in the code page.
    static std::optional<std::string> encode(const QString& text);
    // As the system's "ANSI" conversion does: a character without a place
    // becomes '?'.
    static std::string encodeLossy(const QString& text);
    // The same into `out`, at most `capacity` bytes (the rest of the text is
    // left out), with the characters of `blanked` as spaces; the bytes written.
    static std::size_t encodeLossyInto(QStringView text, char* out, std::size_t capacity,
                                       std::u16string_view blanked = {});
    // Undefined bytes (0x81, 0x8D, 0x8E, 0x8F, 0x90, 0x9D, 0x9E) become U+FFFD.
    static QString decode(std::string_view bytes);
};

} // namespace parvela::db
