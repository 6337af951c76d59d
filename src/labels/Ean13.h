#pragma once

#include <optional>
#include <string>
#include <string_view>

// EAN-13 as the label printer draws it (symbology E30).
namespace parvela::labels {

inline constexpr int kEan13Modules = 95;

// The 13 digits of the printed code: 12 digits get their check digit, 13 are
// taken as given. Nothing for other text.
std::optional<std::string> ean13Digits(std::string_view data);

// The 95 modules of a 13-digit code, '1' for a bar and '0' for a space: the
// guards, the left half in L and G patterns chosen by the first digit, the
// right half in R patterns. Nothing unless `digits` is 13 digits.
std::optional<std::string> ean13Modules(std::string_view digits);

// Modules of the start, middle and end guards, which are drawn taller.
bool isEan13GuardModule(int module);

} // namespace parvela::labels
