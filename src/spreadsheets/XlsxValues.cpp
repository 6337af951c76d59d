#include "spreadsheets/XlsxValues.h"

#include <QDate>
#include <QTime>
#include <cmath>

namespace parvela::spreadsheets::detail {

namespace {

constexpr qsizetype kEscapeLength = 7;  // "_x000D_"
constexpr double kLastSerial = 2958466; // 10000-01-01
constexpr int kSecondsPerDay = 86400;
// 1900-02-29, a day the 1900 date system counts though it never was.
constexpr qint64 kMissingLeapDay = 60;

// The built-in formats that show dates and times: 14-22 everywhere, 45-47
// times, 27-36 and 50-58 the East Asian dates.
bool isBuiltInDate(int id) {
    return (id >= 14 && id <= 22) || (id >= 27 && id <= 36) || (id >= 45 && id <= 47) ||
           (id >= 50 && id <= 58);
}

// An elapsed-time bracket: [h], [mm], [ss].
bool isElapsed(QStringView bracket) {
    if (bracket.isEmpty())
        return false;
    const QChar first = bracket.front().toLower();
    for (const QChar c : bracket)
        if (c.toLower() != first)
            return false;
    return first == u'h' || first == u'm' || first == u's';
}

// The four hex digits of an escape, as the character they name.
bool hexCharacter(QStringView digits, char16_t& character) {
    uint code = 0;
    for (const QChar c : digits) {
        const qsizetype value = QStringLiteral("0123456789abcdef").indexOf(c.toLower());
        if (value < 0)
            return false;
        code = code * 16 + static_cast<uint>(value);
    }
    character = static_cast<char16_t>(code);
    return true;
}

} // namespace

QString withoutCellEscapes(const QString& text) {
    if (!text.contains(QStringLiteral("_x")))
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        if (text[i] == u'_' && i + kEscapeLength <= text.size() && text[i + 1] == u'x' &&
            text[i + kEscapeLength - 1] == u'_') {
            char16_t character = 0;
            if (hexCharacter(QStringView(text).mid(i + 2, 4), character)) {
                out += QChar(character);
                i += kEscapeLength;
                continue;
            }
        }
        out += text[i++];
    }
    return out;
}

bool isDateFormat(int id, const QString& code) {
    if (code.isEmpty())
        return isBuiltInDate(id);
    // What the format writes itself: quoted texts, escaped and padding
    // characters and brackets (colours, currencies) are no date parts.
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar c = code[i];
        if (c == u'"') {
            i = code.indexOf(u'"', i + 1);
            if (i < 0)
                return false;
        } else if (c == u'\\' || c == u'_' || c == u'*') {
            ++i;
        } else if (c == u'[') {
            const qsizetype close = code.indexOf(u']', i + 1);
            if (close < 0)
                return false;
            if (isElapsed(QStringView(code).mid(i + 1, close - i - 1)))
                return true;
            i = close;
        } else if (QStringLiteral("yYmMdDhHsS").contains(c)) {
            return true;
        }
    }
    return false;
}

QString dateText(double serial, bool from1904) {
    if (!std::isfinite(serial) || serial < 0 || serial >= kLastSerial)
        return {};
    qint64 days = static_cast<qint64>(std::floor(serial));
    qint64 seconds = std::llround((serial - static_cast<double>(days)) * kSecondsPerDay);
    if (seconds == kSecondsPerDay) {
        ++days;
        seconds = 0;
    }
    const QString time =
        QTime(0, 0).addSecs(static_cast<int>(seconds)).toString(QStringLiteral("HH:mm:ss"));
    if (days == 0 && !from1904)
        return time;
    QString date;
    if (from1904)
        date = QDate(1904, 1, 1).addDays(days).toString(Qt::ISODate);
    else if (days == kMissingLeapDay)
        date = QStringLiteral("1900-02-29");
    else
        date =
            QDate(1899, 12, days < kMissingLeapDay ? 31 : 30).addDays(days).toString(Qt::ISODate);
    return seconds == 0 ? date : date + u' ' + time;
}

} // namespace parvela::spreadsheets::detail
