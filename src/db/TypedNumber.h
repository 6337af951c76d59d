#pragma once

#include <QString>
#include <optional>

namespace parvela::db {

// A number as a user types it: "12,50" and "12.50" are both twelve and a
// half, blanks around it do not count and an empty field is 0. Anything else
// (letters, two separators, a value that is not finite or does not fit the
// column, `maxMagnitude`) gives nothing, so the caller can say so instead of
// storing a wrong value. At most `maxChars` characters are taken.
std::optional<double> typedNumber(const QString& text, qsizetype maxChars, double maxMagnitude);

} // namespace parvela::db
