#include "db/TextPreparation.h"

#include <algorithm>

namespace parvela::db {

namespace {

constexpr std::u16string_view kStatementUnsafe = u"\t\n\r!#$%/?@\\^`{|}";
constexpr std::u16string_view kStatementUnsafeKeepLines = u"\t!#$%/?@\\^`{|}";
constexpr std::u16string_view kTransferUnsafe = u"\t!\"#$%'*,-/;=?@\\^`{|}\u2019";
constexpr std::string_view kLiteralBlanked = "\t\n\r!#$%*/;=@[]^`{}";
constexpr std::string_view kLiteralEscaped = "\"'\\";

void blankCharacters(QString& text, std::u16string_view set) {
    for (QChar& c : text) {
        if (set.find(c.unicode()) != std::u16string_view::npos)
            c = u' ';
    }
}

// Half a surrogate pair has no UTF-8: the conversion would make it a '?',
// which the cleaning takes out when the stored text is sent again.
void replaceLoneSurrogates(QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            text[i] = QChar(QChar::ReplacementCharacter);
    }
}

bool isUtf8Continuation(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// Drops an incomplete multi-byte character at the end of `utf8`.
void trimPartialCharacter(std::string& utf8) {
    size_t start = utf8.size();
    while (start > 0 && isUtf8Continuation(utf8[start - 1]))
        --start;
    if (start == 0)
        return;
    const auto lead = static_cast<unsigned char>(utf8[start - 1]);
    if (lead < 0xC0)
        return;
    const size_t expected = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    if (utf8.size() - (start - 1) < expected)
        utf8.resize(start - 1);
}

std::string toUtf8Bounded(const QString& text, size_t maxBytes) {
    std::string utf8 = text.toStdString();
    if (utf8.size() > maxBytes) {
        utf8.resize(maxBytes);
        trimPartialCharacter(utf8);
    }
    return utf8;
}

} // namespace

qsizetype sanitizeText(QString& text) {
    blankCharacters(text, kStatementUnsafe);
    return text.size();
}

qsizetype sanitizeTextKeepLines(QString& text) {
    blankCharacters(text, kStatementUnsafeKeepLines);
    return text.size();
}

void sanitizeTransferText(QString& text) {
    blankCharacters(text, kTransferUnsafe);
}

std::u16string_view transferUnsafeCharacters() {
    return kTransferUnsafe;
}

bool isControlCharacter(QChar c) {
    return c.category() == QChar::Other_Control;
}

void blankControlCharacters(QString& text) {
    std::replace_if(text.begin(), text.end(), isControlCharacter, u' ');
}

std::string escapeLiteral(std::string_view text) {
    std::string out;
    out.reserve(std::min(text.size() * 2, kEscapedLiteralMax));
    for (const char byte : text) {
        if (out.size() >= kEscapedLiteralMax)
            break;
        if (kLiteralBlanked.find(byte) != std::string_view::npos) {
            out.push_back(' ');
        } else if (kLiteralEscaped.find(byte) != std::string_view::npos) {
            // A backslash left alone at the end would swallow the closing quote.
            if (out.size() + 2 > kEscapedLiteralMax)
                break;
            out.push_back('\\');
            out.push_back(byte);
        } else {
            out.push_back(byte);
        }
    }
    return out;
}

std::string wideToEscapedUtf8(QString& text) {
    sanitizeText(text);
    replaceLoneSurrogates(text);
    std::string escaped = escapeLiteral(toUtf8Bounded(text, kUtf8ConversionMax));
    trimPartialCharacter(escaped);
    return escaped;
}

QString sanitizeWideRoundTrip(QString& text) {
    // What the server keeps of the escaped text: the cleaning and the length
    // limit, but not the backslashes, which only escape within the literal.
    const std::string escaped = wideToEscapedUtf8(text);
    std::string stored;
    stored.reserve(escaped.size());
    for (size_t i = 0; i < escaped.size(); ++i) {
        if (escaped[i] == '\\' && i + 1 < escaped.size())
            ++i;
        stored.push_back(escaped[i]);
    }
    return QString::fromUtf8(stored.data(), static_cast<qsizetype>(stored.size()))
        .left(kRoundTripMax);
}

std::string validUtf8(std::string_view bytes) {
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size())).toStdString();
}

std::string decimalCommaToDot(std::string_view text) {
    std::string out(text.substr(0, kDecimalTextMax));
    std::replace(out.begin(), out.end(), ',', '.');
    return out;
}

} // namespace parvela::db
