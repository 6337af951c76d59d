#include "db/SqlLiteral.h"

#include "db/CodePage1254.h"
#include "db/FixedField.h"

#include <algorithm>

namespace parvela::db {

namespace {

bool latin5CanHold(const std::string& cp1254) {
    return std::none_of(cp1254.begin(), cp1254.end(), [](char byte) {
        const auto b = static_cast<unsigned char>(byte);
        return b >= 0x80 && b <= 0x9F;
    });
}

void appendEscaped(std::string& out, std::string_view bytes) {
    for (const char byte : bytes) {
        if (byte == '\'' || byte == '\\')
            out.push_back('\\');
        if (byte == '\0') {
            out.append("\\0");
            continue;
        }
        out.push_back(byte);
    }
}

// Appended piece by piece: GCC 12 at -O3 reports a false -Wrestrict on
// "prefix" + std::string.
std::string literal(std::string_view opening, std::string_view bytes) {
    std::string out;
    out.reserve(opening.size() + bytes.size() + 9);
    out.append(opening);
    appendEscaped(out, bytes);
    out.push_back('\'');
    return out;
}

} // namespace

std::string escapeQuotes(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + 8);
    appendEscaped(out, bytes);
    return out;
}

std::string quotedLiteral(std::string_view bytes) {
    return literal("'", bytes);
}

std::string latin5Literal(const QString& text) {
    if (const auto cp1254 = Cp1254::encode(text); cp1254 && latin5CanHold(*cp1254))
        return literal("_latin5'", *cp1254);
    return literal("_utf8mb4'", text.toStdString());
}

std::string latin5Literal(const QString& text, qsizetype bufferSize) {
    return latin5Literal(fitField(text, bufferSize));
}

} // namespace parvela::db
