#include "labels/LabelFieldText.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <limits>

namespace parvela::labels {

namespace {

QString firstChars(const QString& text) {
    return text.left(kNumberFieldCharacters);
}

} // namespace

int leadingInteger(const QString& text) {
    static const QRegularExpression kLeading(QStringLiteral("^\\s*([+-]?\\d+)"));
    const QRegularExpressionMatch match = kLeading.match(firstChars(text));
    if (!match.hasMatch())
        return 0;
    bool fits = false;
    const qlonglong value = match.captured(1).toLongLong(&fits);
    if (!fits)
        return 0;
    return static_cast<int>(std::clamp<qlonglong>(value, std::numeric_limits<int>::min(),
                                                  std::numeric_limits<int>::max()));
}

std::optional<double> typedWeight(const QString& text) {
    static const QRegularExpression kWeight(
        QStringLiteral("^\\s*([+-]?(\\d+[.,]?\\d*|[.,]\\d+))\\s*(kg)?\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    if (text.trimmed().isEmpty())
        return 0.0;
    const QRegularExpressionMatch match = kWeight.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    bool isNumber = false;
    const double kg =
        match.captured(1).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&isNumber);
    const double grams = std::round(kg * 1000);
    if (!isNumber || kg < 0 || grams > kHeaviestCodeGrams)
        return std::nullopt;
    return grams / 1000;
}

QString weightRefusalCaption() {
    return QStringLiteral("AĞIRLIK HATALI");
}

QString weightRefusal(const QString& typed) {
    return QStringLiteral("Ağırlık 0 ile 99,999 kg arasında bir sayı olmalıdır (örnek: 1,5).\n"
                          "Girilen: %1")
        .arg(typed);
}

int typedCopies(const QString& text) {
    return std::max(1, leadingInteger(text));
}

} // namespace parvela::labels
