#pragma once

#include <QString>
#include <optional>

class QObject;

namespace parvela::platform {
class MessageBoxes;
}

namespace parvela::db {

// A number as a user types it: "12,50" and "12.50" are both twelve and a
// half, blanks around it do not count and an empty field is 0. Anything else
// (letters, two separators, a value that is not finite or does not fit the
// column, `maxMagnitude`) gives nothing, so the caller can say so instead of
// storing a wrong value. At most `maxChars` characters are taken.
std::optional<double> typedNumber(const QString& text, qsizetype maxChars, double maxMagnitude);

// One number field of a form: what it holds and what the user knows it as.
struct NumberField {
    const QString& text;
    const char* caption;
    qsizetype maxChars;
    double maxValue;
};

// The field's number; when it holds none the user is told which field it is
// ("SAYI HATALI") and the result is empty.
std::optional<double> typedNumberOrSay(const NumberField& field, platform::MessageBoxes& boxes,
                                       QObject* owner);

} // namespace parvela::db
