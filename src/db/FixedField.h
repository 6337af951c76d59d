#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace parvela::db {

// Records keep texts in fixed fields of N characters with a terminator, as
// the other programs of the suite do: a longer text keeps its first N - 1.
inline QString fitField(const QString& text, qsizetype fieldSize) {
    qsizetype keep = fieldSize - 1;
    if (text.size() <= keep)
        return text;
    if (keep > 0 && text.at(keep - 1).isHighSurrogate())
        --keep;
    return text.left(keep);
}

// A byte field keeps at most N - 1 bytes of UTF-8, cut before a character
// rather than through it: half a letter makes the server refuse the row.
inline std::string_view fitField(std::string_view text, size_t fieldSize) {
    if (text.size() < fieldSize)
        return text;
    size_t keep = fieldSize > 0 ? fieldSize - 1 : 0;
    while (keep > 0 && (static_cast<unsigned char>(text[keep]) & 0xC0) == 0x80)
        --keep;
    return text.substr(0, keep);
}

inline std::string fitField(const std::string& text, size_t fieldSize) {
    return std::string(fitField(std::string_view(text), fieldSize));
}

} // namespace parvela::db
