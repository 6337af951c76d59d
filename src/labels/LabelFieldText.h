#pragma once

#include <QString>
#include <optional>

// How the label dialog reads what is typed in its number fields.
namespace parvela::labels {

inline constexpr qsizetype kNumberFieldCharacters = 10;
// A weighed code carries the weight in five digits, to the gram.
inline constexpr double kHeaviestCodeGrams = 99999;

// The integer the text begins with (blanks, then an optional sign, then
// digits); 0 for empty or other text. At most ten characters are read.
int leadingInteger(const QString& text);

// The weight in kilograms, rounded to the gram: a decimal comma counts as a
// point and a unit may follow ("1,5 kg" is 1.5); an empty text is 0. Nothing
// for a text that is no number and for a weight the code's five digits
// cannot hold (below 0, or 100 kg and more): cut to fit, it would sell wrong.
std::optional<double> typedWeight(const QString& text);
// The box that refuses such a weight.
QString weightRefusalCaption();
QString weightRefusal(const QString& typed);

// Copies as typed; never fewer than one, so a slip cannot make a job that
// prints nothing.
int typedCopies(const QString& text);

} // namespace parvela::labels
