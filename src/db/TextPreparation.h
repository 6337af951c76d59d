#pragma once

#include <QString>
#include <string>
#include <string_view>

// Preparation of texts before they enter a statement or a transfer file.
// Lengths and byte sets are fixed: other programs of the suite read what
// these produce.
namespace parvela::db {

inline constexpr size_t kEscapedLiteralMax = 231;
inline constexpr size_t kUtf8ConversionMax = 251;
inline constexpr qsizetype kRoundTripMax = 60;
inline constexpr size_t kDecimalTextMax = 11;

// Tab, line breaks and ! # $ % / ? @ \ ^ ` { | } become spaces. Returns the length.
qsizetype sanitizeText(QString& text);
// The same, but line breaks stay.
qsizetype sanitizeTextKeepLines(QString& text);
// For the transfer files: tab, ! " # $ % ' * , - / ; = ? @ \ ^ ` { | } and
// U+2019 become spaces.
void sanitizeTransferText(QString& text);
// Those characters, for writers that blank them on the way.
std::u16string_view transferUnsafeCharacters();
// C0 controls, DEL and C1 controls: a line break would split a record of a
// line-based file, the others reach a display or a printer raw.
bool isControlCharacter(QChar c);
// Each of them becomes a blank.
void blankControlCharacters(QString& text);
// Bytes for inside a quoted literal: a set of punctuation becomes spaces,
// " ' \ get a backslash. At most 231 bytes; an escape pair is never split.
std::string escapeLiteral(std::string_view text);
// sanitizeText (in place, where half a surrogate pair also becomes U+FFFD),
// UTF-8, escapeLiteral; never ends inside a character.
std::string wideToEscapedUtf8(QString& text);
// The text exactly as the server stores it when sent as wideToEscapedUtf8
// makes it (cleaned, bounded, unescaped), at most 60 characters.
// Sanitizes `text` in place, as wideToEscapedUtf8 does.
QString sanitizeWideRoundTrip(QString& text);
// Bytes for a text column: a sequence that is not UTF-8 becomes U+FFFD,
// so that the server does not refuse the whole row for one byte of it.
std::string validUtf8(std::string_view bytes);
// Replaces every decimal comma by a dot; at most 11 characters are taken.
std::string decimalCommaToDot(std::string_view text);

} // namespace parvela::db
