#pragma once

#include <QString>
#include <QStringView>
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

// "1.250": a sign, one to three digits not led by a 0, one dot and exactly
// three digits, no comma. A Turkish reader takes the dot for a thousands mark
// (1250), a program for a decimal point (1,25); every reading of a price asks
// this one question.
bool isDotThousands(QStringView number);

// A price as a user types it: a decimal comma with dots grouping thousands
// ("1.234,50" is 1234.50), or a decimal point ("12.50"). A "1.250" reads two
// ways and gives nothing, as do the texts typedNumber refuses.
std::optional<double> typedPrice(const QString& text, qsizetype maxChars, double maxMagnitude);

// The field's price. When it holds none the user is told: for a "1.250" with
// both readings and what to type for each, otherwise as typedNumberOrSay does.
std::optional<double> typedPriceOrSay(const NumberField& field, platform::MessageBoxes& boxes,
                                      QObject* owner);

// A price as the forms show it, with a decimal comma ("12,50") whatever the
// locale, so that the form shows what its users type.
QString shownPrice(double value, int decimals = 2);

} // namespace parvela::db
