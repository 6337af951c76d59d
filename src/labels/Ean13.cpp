#include "labels/Ean13.h"

#include "labels/BarcodeText.h"

#include <algorithm>
#include <array>

namespace parvela::labels {

namespace {

constexpr std::array<const char*, 10> kLeftOdd{"0001101", "0011001", "0010011", "0111101",
                                               "0100011", "0110001", "0101111", "0111011",
                                               "0110111", "0001011"};
// Which of the left half's six digits use the even (G) set, by first digit.
constexpr std::array<const char*, 10> kParity{"LLLLLL", "LLGLGG", "LLGGLG", "LLGGGL", "LGLLGG",
                                              "LGGLLG", "LGGGLL", "LGLGLG", "LGLGGL", "LGGLGL"};

bool allDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// R is L with bars and spaces swapped; G is R read backwards.
std::string rightPattern(int digit) {
    std::string pattern = kLeftOdd[static_cast<std::size_t>(digit)];
    for (char& module : pattern)
        module = module == '1' ? '0' : '1';
    return pattern;
}

std::string leftPattern(int digit, char parity) {
    if (parity == 'L')
        return kLeftOdd[static_cast<std::size_t>(digit)];
    std::string pattern = rightPattern(digit);
    std::reverse(pattern.begin(), pattern.end());
    return pattern;
}

} // namespace

std::optional<std::string> ean13Digits(std::string_view data) {
    if (!allDigits(data) || (data.size() != 12 && data.size() != 13))
        return std::nullopt;
    std::string digits(data);
    if (digits.size() == 12)
        digits += static_cast<char>('0' + eanCheckDigit(std::string_view(digits)));
    return digits;
}

std::optional<std::string> ean13Modules(std::string_view digits) {
    if (digits.size() != 13 || !allDigits(digits))
        return std::nullopt;
    const char* parity = kParity[static_cast<std::size_t>(digits[0] - '0')];
    std::string modules = "101";
    for (std::size_t i = 1; i <= 6; ++i)
        modules += leftPattern(digits[i] - '0', parity[i - 1]);
    modules += "01010";
    for (std::size_t i = 7; i <= 12; ++i)
        modules += rightPattern(digits[i] - '0');
    return modules + "101";
}

bool isEan13GuardModule(int module) {
    return module < 3 || (module >= 45 && module < 50) || module >= 92;
}

} // namespace parvela::labels
