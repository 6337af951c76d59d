#include "db/CodePage1254.h"

#include <algorithm>
#include <array>

namespace parvela::db {

namespace {

constexpr char16_t kUndefined = 0xFFFD;

// Where code page 1254 differs from Latin-1: 0x80-0x9F and six Turkish letters.
constexpr std::array<char16_t, 32> kHigh80{
    0x20AC,     kUndefined, 0x201A, 0x0192, 0x201E, 0x2026,     0x2020,     0x2021,
    0x02C6,     0x2030,     0x0160, 0x2039, 0x0152, kUndefined, kUndefined, kUndefined,
    kUndefined, 0x2018,     0x2019, 0x201C, 0x201D, 0x2022,     0x2013,     0x2014,
    0x02DC,     0x2122,     0x0161, 0x203A, 0x0153, kUndefined, kUndefined, 0x0178};

constexpr std::array<char16_t, 256> makeTable() {
    std::array<char16_t, 256> table{};
    for (std::size_t byte = 0; byte < 256; ++byte)
        table[byte] = static_cast<char16_t>(byte);
    for (std::size_t i = 0; i < kHigh80.size(); ++i)
        table[0x80 + i] = kHigh80[i];
    table[0xD0] = 0x011E; // Ğ
    table[0xDD] = 0x0130; // İ
    table[0xDE] = 0x015E; // Ş
    table[0xF0] = 0x011F; // ğ
    table[0xFD] = 0x0131; // ı
    table[0xFE] = 0x015F; // ş
    return table;
}

constexpr std::array<char16_t, 256> kToUnicode = makeTable();

struct Placed {
    char16_t character;
    unsigned char byte;
};

// 0x80-0x9F less its seven undefined bytes, and the six Turkish letters.
constexpr std::size_t kHighCount = 25 + 6;

// The characters above U+00FF that the code page holds, by character, so
// that a Turkish letter is found without a walk over the whole table.
constexpr std::array<Placed, kHighCount> makeHighCharacters() {
    std::array<Placed, kHighCount> placed{};
    std::size_t count = 0;
    for (std::size_t byte = 0x80; byte < 256; ++byte)
        if (kToUnicode[byte] > 0xFF && kToUnicode[byte] != kUndefined)
            placed[count++] = {kToUnicode[byte], static_cast<unsigned char>(byte)};
    std::sort(placed.begin(), placed.begin() + static_cast<std::ptrdiff_t>(count),
              [](const Placed& a, const Placed& b) { return a.character < b.character; });
    return placed;
}

constexpr std::array<Placed, kHighCount> kHighCharacters = makeHighCharacters();
static_assert(kHighCharacters.front().character != 0, "every place filled");

// The byte of a character, or -1 when the code page has none. Latin-1
// characters that the code page replaced (Ð, Ý, Þ, ð, ý, þ) have none.
int byteOf(char16_t c) {
    if (c < 0x80)
        return c;
    if (c <= 0xFF)
        return c >= 0xA0 && kToUnicode[c] == c ? c : -1;
    const auto found = std::lower_bound(
        kHighCharacters.begin(), kHighCharacters.end(), c,
        [](const Placed& placed, char16_t wanted) { return placed.character < wanted; });
    return found != kHighCharacters.end() && found->character == c ? found->byte : -1;
}

// Walks the text by characters; a surrogate pair is one character that the
// code page never holds.
template <typename OnCharacter> bool forEachByte(QStringView text, OnCharacter onCharacter) {
    const auto* units = reinterpret_cast<const char16_t*>(text.constData());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = units[i];
        if (QChar::isHighSurrogate(unit) && i + 1 < text.size() &&
            QChar::isLowSurrogate(units[i + 1]))
            ++i;
        const int byte = QChar::isSurrogate(unit) ? -1 : byteOf(unit);
        if (!onCharacter(byte))
            return false;
    }
    return true;
}

} // namespace

std::optional<std::string> Cp1254::encode(const QString& text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    const bool whole = forEachByte(text, [&out](int byte) {
        if (byte < 0)
            return false;
        out.push_back(static_cast<char>(byte));
        return true;
    });
    if (!whole)
        return std::nullopt;
    return out;
}

std::string Cp1254::encodeLossy(const QString& text) {
    // A character is never more than one byte.
    std::string out(static_cast<std::size_t>(text.size()), '\0');
    out.resize(encodeLossyInto(text, out.data(), out.size()));
    return out;
}

std::size_t Cp1254::encodeLossyInto(QStringView text, char* out, std::size_t capacity,
                                    std::u16string_view blanked) {
    // The bytes of the blanked characters, looked up once rather than for
    // each character of the text.
    std::array<bool, 256> blank{};
    for (const char16_t c : blanked)
        if (const int byte = byteOf(c); byte >= 0)
            blank[static_cast<std::size_t>(byte)] = true;
    std::size_t written = 0;
    forEachByte(text, [&](int byte) {
        if (written == capacity)
            return false;
        out[written++] = byte < 0                                ? '?'
                         : blank[static_cast<std::size_t>(byte)] ? ' '
                                                                 : static_cast<char>(byte);
        return true;
    });
    return written;
}

QString Cp1254::decode(std::string_view bytes) {
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    auto* out = reinterpret_cast<char16_t*>(text.data());
    for (std::size_t i = 0; i < bytes.size(); ++i)
        out[i] = kToUnicode[static_cast<unsigned char>(bytes[i])];
    return text;
}

} // namespace parvela::db
