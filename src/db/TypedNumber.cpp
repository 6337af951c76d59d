#include "db/TypedNumber.h"

#include "db/TextPreparation.h"

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

} // namespace parvela::db
