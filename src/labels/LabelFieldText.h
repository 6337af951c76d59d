#pragma once

#include <QString>

// How the label dialog reads what is typed in its number fields.
namespace parvela::labels {

inline constexpr qsizetype kNumberFieldCharacters = 10;

// The integer the text begins with (blanks, then an optional sign, then
// digits); 0 for empty or other text. At most ten characters are read.
int leadingInteger(const QString& text);

// The weight in kilograms: a decimal comma counts as a point, and the number
// the text begins with is taken ("1,5 kg" is 1.5); 0 when there is none.
double typedWeight(const QString& text);

// Copies as typed; never fewer than one, so a slip cannot make a job that
// prints nothing.
int typedCopies(const QString& text);

} // namespace parvela::labels
