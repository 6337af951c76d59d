#include "db/TypedNumber.h"

#include "db/TextPreparation.h"
#include "platform/MessageBoxes.h"

#include <charconv>
#include <cmath>

namespace parvela::db {

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
        boxes.tell(QStringLiteral("\"%1\" alanına geçerli bir sayı giriniz (örnek: 12,50).\n"
                                  "Girilen: %2")
                       .arg(QString::fromUtf8(field.caption), field.text.left(field.maxChars)),
                   QStringLiteral("SAYI HATALI"), platform::BoxIcon::Exclamation, owner);
    return value;
}

} // namespace parvela::db
