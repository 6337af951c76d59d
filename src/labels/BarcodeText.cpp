#include "labels/BarcodeText.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>

namespace parvela::labels {

namespace {

constexpr int kBaseDigits = 12;
constexpr int kPrefixDigits = 3;
constexpr int kLongestNumber = kBaseDigits - kPrefixDigits;
constexpr std::size_t kWeighedKey = 7;
constexpr std::size_t kWeightDigits = 5;

bool isDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

} // namespace

int decimalDigits(int number) {
    int digits = 0;
    for (; number > 0; number /= 10)
        ++digits;
    return digits;
}

std::optional<std::string> barcodeBase(int prefix, int number) {
    const int digits = decimalDigits(number);
    if (digits < 1 || digits > kLongestNumber)
        return std::nullopt;
    return std::to_string(prefix) + std::to_string(number) +
           std::string(static_cast<std::size_t>(kLongestNumber - digits), '0');
}

int eanCheckDigit(std::string_view twelveDigits) {
    int sum = 0;
    for (std::size_t i = 0; i < twelveDigits.size(); ++i)
        sum += (twelveDigits[i] - '0') * (i % 2 == 0 ? 1 : 3);
    return (10 - sum % 10) % 10;
}

int eanCheckDigit(std::int64_t twelveDigits) {
    std::string text = std::to_string(twelveDigits);
    if (text.size() < static_cast<std::size_t>(kBaseDigits))
        text.insert(0, static_cast<std::size_t>(kBaseDigits) - text.size(), '0');
    return eanCheckDigit(std::string_view(text));
}

void appendEanCheckDigit(std::string& codeText) {
    const std::int64_t value = std::strtoll(codeText.c_str(), nullptr, 10);
    codeText += std::to_string(eanCheckDigit(value));
}

bool isWeighedCode(std::string_view barcode) {
    if (barcode.size() < kWeighedKey || barcode.size() > kBaseDigits)
        return false;
    if (!std::all_of(barcode.begin(), barcode.end(), isDigit))
        return false;
    const int prefix = (barcode[0] - '0') * 10 + (barcode[1] - '0');
    return prefix >= 24 && prefix <= 28;
}

void makeWeighedBarcode(float weightKg, std::string& barcode) {
    // A shorter text has no place for the weight.
    if (barcode.size() < kWeighedKey)
        return;
    char formatted[64];
    std::snprintf(formatted, sizeof formatted, weightKg < 10.0F ? "0%.3f" : "%.3f",
                  static_cast<double>(weightKg));
    std::string digits;
    for (const char* c = formatted; *c != '\0'; ++c)
        if (isDigit(*c))
            digits += *c;
    digits.resize(std::max(digits.size(), kWeightDigits), '0');
    barcode.resize(kWeighedKey);
    barcode += digits.substr(0, kWeightDigits);
}

} // namespace parvela::labels
