#include "labels/LabelFieldText.h"

#include <QRegularExpression>
#include <algorithm>
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

double typedWeight(const QString& text) {
    static const QRegularExpression kLeading(QStringLiteral("^\\s*([+-]?(\\d+\\.?\\d*|\\.\\d+))"));
    QString typed = firstChars(text);
    typed.replace(QLatin1Char(','), QLatin1Char('.'));
    const QRegularExpressionMatch match = kLeading.match(typed);
    return match.hasMatch() ? match.captured(1).toDouble() : 0.0;
}

int typedCopies(const QString& text) {
    return std::max(1, leadingInteger(text));
}

} // namespace parvela::labels
