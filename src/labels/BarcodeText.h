#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Barcode texts: EAN-13 bases and check digits, and the short codes of
// weighed products. No database here.
namespace parvela::labels {

inline constexpr int kNationalPrefix = 869;
inline constexpr int kInStorePrefix = 270;
// The first code the weighed products are numbered from.
inline constexpr int kFirstWeighedCode = 2700001;

// Decimal digits of `number`; 0 for a number of 0 or less.
int decimalDigits(int number);

// The 12-digit base: the prefix, the number's digits, then zeros
// (869 and 5 give 869500000000). Nothing for a number of 0 or less or of
// ten digits and more.
std::optional<std::string> barcodeBase(int prefix, int number);

// The EAN-13 check digit of a 12-digit number, or of twelve digit
// characters (as the printer computes it).
int eanCheckDigit(std::int64_t twelveDigits);
int eanCheckDigit(std::string_view twelveDigits);
// Appends the check digit of the number the text holds.
void appendEanCheckDigit(std::string& codeText);

// A weighed product's code: prefix 24 to 28, 7 to 12 characters.
bool isWeighedCode(std::string_view barcode);

// Writes the weight's first five digits (1.5 kg: 01500) into characters 8 to
// 12 of a weighed code and ends it there; the printer adds the check digit.
// A text shorter than seven characters has no place for them and stays.
void makeWeighedBarcode(float weightKg, std::string& barcode);

} // namespace parvela::labels
