#include "spreadsheets/CellValues.h"

#include "db/TypedNumber.h"

#include <charconv>
#include <cmath>
#include <string>

namespace parvela::spreadsheets {

namespace {

// Whole doubles below 2^63 fit a 64-bit integer exactly.
constexpr double kWholeLimit = 9223372036854775808.0;

QString numberText(double number) {
    if (std::trunc(number) == number && std::fabs(number) < kWholeLimit)
        return QString::number(static_cast<qint64>(number));
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, number).ptr;
    return QString::fromLatin1(buffer, end - buffer);
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool isSeparator(QChar c) {
    return c == u'.' || c == u',';
}

// A blank that groups thousands: "1 234,50" as some sheets write it.
bool isGroupBlank(QStringView text, qsizetype i) {
    const QChar c = text[i];
    if (!(c == u' ' || c == QChar(0x00A0) || c == QChar(0x202F)) || i == 0 || !isDigit(text[i - 1]))
        return false;
    const QStringView group = text.mid(i + 1, 4);
    qsizetype digits = 0;
    while (digits < group.size() && isDigit(group[digits]))
        ++digits;
    return digits == 3;
}

// The number at the front of `text` (sign, digits, separators); what
// follows it, a unit like " TL", is not part of it.
QString leadingNumber(QStringView text) {
    QString number;
    qsizetype i = 0;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        number += text[i++];
    if (i >= text.size() || !isDigit(text[i]))
        return {};
    for (; i < text.size(); ++i) {
        if (isDigit(text[i]) || isSeparator(text[i]))
            number += text[i];
        else if (!isGroupBlank(text, i))
            break;
    }
    while (isSeparator(number.back()))
        number.chop(1);
    return number;
}

struct Marks {
    QChar decimal;  // null when the number has none
    QChar grouping; // null when the number has none
};

// "1.234,50" and "1,234.50" alike: when both marks appear the last one is
// the decimal mark; a mark that appears once alone is decimal ("12.50"),
// one that appears more often groups thousands ("1.234.567").
std::optional<Marks> marksOf(const QString& number) {
    const qsizetype lastDot = number.lastIndexOf(u'.');
    const qsizetype lastComma = number.lastIndexOf(u',');
    if (lastDot >= 0 && lastComma >= 0) {
        const Marks marks = lastDot > lastComma ? Marks{u'.', u','} : Marks{u',', u'.'};
        if (number.count(marks.decimal) > 1)
            return std::nullopt;
        return marks;
    }
    if (lastDot < 0 && lastComma < 0)
        return Marks{};
    const QChar mark = lastDot >= 0 ? u'.' : u',';
    return number.count(mark) == 1 ? Marks{mark, {}} : Marks{{}, mark};
}

// Thousands groups after the first hold three digits each: "1.234.567".
bool groupsValid(QString whole, QChar grouping) {
    if (whole.startsWith(u'-') || whole.startsWith(u'+'))
        whole.remove(0, 1);
    const QStringList groups = whole.split(grouping);
    for (qsizetype g = 1; g < groups.size(); ++g)
        if (groups[g].size() != 3)
            return false;
    return !groups.front().isEmpty() && groups.front().size() <= 3;
}

// The number with a decimal point and without thousands marks.
std::optional<std::string> dotted(QString number) {
    const std::optional<Marks> marks = marksOf(number);
    if (!marks)
        return std::nullopt;
    if (!marks->grouping.isNull()) {
        const qsizetype decimalAt = marks->decimal.isNull() ? -1 : number.indexOf(marks->decimal);
        if (!groupsValid(decimalAt < 0 ? number : number.left(decimalAt), marks->grouping))
            return std::nullopt;
        number.remove(marks->grouping);
    }
    if (!marks->decimal.isNull())
        number.replace(marks->decimal, u'.');
    if (number.startsWith(u'+'))
        number.remove(0, 1);
    return number.toStdString();
}

std::optional<SheetPrice> textPrice(const QString& text) {
    QString trimmed = text.trimmed();
    if (trimmed.startsWith(QStringLiteral("₺")))
        trimmed = trimmed.mid(1).trimmed();
    QString leading = leadingNumber(trimmed);
    // The platform writes its thousands so; the preview asks to look at them.
    const bool dotThousands = db::isDotThousands(leading);
    if (dotThousands)
        leading.remove(u'.');
    const std::optional<std::string> number = dotted(leading);
    if (!number || number->empty())
        return std::nullopt;
    double value = 0;
    const char* last = number->data() + number->size();
    const auto [end, error] =
        std::from_chars(number->data(), last, value, std::chars_format::fixed);
    if (error != std::errc() || end != last || !std::isfinite(value))
        return std::nullopt;
    return SheetPrice{value, dotThousands};
}

} // namespace

QString cellText(const Cell& cell) {
    switch (cell.kind) {
    case Cell::Kind::Number:
        return numberText(cell.number);
    case Cell::Kind::Text:
    case Cell::Kind::Other:
        return cell.text;
    case Cell::Kind::Empty:
        break;
    }
    return {};
}

std::optional<SheetPrice> cellPrice(const Cell& cell) {
    switch (cell.kind) {
    case Cell::Kind::Number:
        return SheetPrice{cell.number};
    case Cell::Kind::Text:
        return textPrice(cell.text);
    case Cell::Kind::Other:
    case Cell::Kind::Empty:
        break;
    }
    return std::nullopt;
}

} // namespace parvela::spreadsheets
