#include "db/TypedNumber.h"

#include "db/TextPreparation.h"
#include "platform/MessageBoxes.h"

#include <QRegularExpression>
#include <charconv>
#include <cmath>

namespace parvela::db {

namespace {

// Whole digits with a dot before every three: "1.234", "12.345.678".
bool isGroupedWhole(QStringView whole) {
    static const QRegularExpression grouped(QStringLiteral("^[+-]?[1-9][0-9]{0,2}(\\.[0-9]{3})+$"));
    return grouped.match(whole).hasMatch();
}

// The price with its thousands dots taken out; anything else as it was, for
// typedNumber to read or refuse.
QString withoutThousandsDots(const QString& typed) {
    const qsizetype comma = typed.indexOf(u',');
    const QStringView whole = comma < 0 ? QStringView(typed) : QStringView(typed).left(comma);
    if (!isGroupedWhole(whole))
        return typed;
    return whole.toString().remove(u'.') + typed.mid(whole.size());
}

void sayNotANumber(const NumberField& field, platform::MessageBoxes& boxes, QObject* owner) {
    boxes.tell(QStringLiteral("\"%1\" alanına geçerli bir sayı giriniz (örnek: 12,50).\n"
                              "Girilen: %2")
                   .arg(QString::fromUtf8(field.caption), field.text.left(field.maxChars)),
               QStringLiteral("SAYI HATALI"), platform::BoxIcon::Exclamation, owner);
}

// "1.250" as a thousand and more ("1250") and as a decimal ("1,25").
std::pair<QString, QString> bothReadings(QString typed) {
    if (typed.startsWith(u'+'))
        typed.remove(0, 1);
    QString decimal = QString(typed).replace(u'.', u',');
    while (decimal.endsWith(u'0'))
        decimal.chop(1);
    if (decimal.endsWith(u','))
        decimal.chop(1);
    return {typed.remove(u'.'), decimal};
}

} // namespace

std::optional<double> typedNumber(const QString& text, qsizetype maxChars, double maxMagnitude) {
    const QString trimmed = text.left(maxChars).trimmed();
    if (trimmed.isEmpty())
        return 0.0;
    const std::string dotted = decimalCommaToDot(trimmed.toStdString());
    const char* first = dotted.data();
    const char* last = first + dotted.size();
    if (*first == '+')
        ++first;
    double value = 0;
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::fixed);
    if (error != std::errc() || end != last || !std::isfinite(value) ||
        std::fabs(value) > maxMagnitude)
        return std::nullopt;
    return value;
}

std::optional<double> typedNumberOrSay(const NumberField& field, platform::MessageBoxes& boxes,
                                       QObject* owner) {
    const std::optional<double> value = typedNumber(field.text, field.maxChars, field.maxValue);
    if (!value)
        sayNotANumber(field, boxes, owner);
    return value;
}

bool isDotThousands(QStringView number) {
    return !number.contains(u',') && number.count(u'.') == 1 && isGroupedWhole(number);
}

std::optional<double> typedPrice(const QString& text, qsizetype maxChars, double maxMagnitude) {
    const QString trimmed = text.left(maxChars).trimmed();
    if (isDotThousands(trimmed))
        return std::nullopt;
    return typedNumber(withoutThousandsDots(trimmed), maxChars, maxMagnitude);
}

std::optional<double> typedPriceOrSay(const NumberField& field, platform::MessageBoxes& boxes,
                                      QObject* owner) {
    const std::optional<double> value = typedPrice(field.text, field.maxChars, field.maxValue);
    if (value)
        return value;
    const QString typed = field.text.left(field.maxChars).trimmed();
    if (!isDotThousands(typed)) {
        sayNotANumber(field, boxes, owner);
        return std::nullopt;
    }
    const auto [thousands, decimal] = bothReadings(typed);
    boxes.tell(QStringLiteral("\"%1\" alanına girilen \"%2\" iki türlü okunabilir: %3 ya da %4.\n"
                              "Hangisiyse öyle yazınız: %3 ya da %4.")
                   .arg(QString::fromUtf8(field.caption), typed, thousands, decimal),
               QStringLiteral("FİYAT BELİRSİZ"), platform::BoxIcon::Exclamation, owner);
    return std::nullopt;
}

QString shownPrice(double value, int decimals) {
    return QString::asprintf("%.*f", decimals, value).replace(u'.', u',');
}

} // namespace parvela::db
