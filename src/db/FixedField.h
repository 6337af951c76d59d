#pragma once

#include <QString>
#include <string>

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

inline std::string fitField(const std::string& text, size_t fieldSize) {
    return text.substr(0, fieldSize - 1);
}

} // namespace parvela::db
