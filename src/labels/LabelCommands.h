#pragma once

#include "records/StockDefinition.h"

#include <QString>
#include <cstdint>
#include <string>

// The EPL2 command texts of the label printer: N clears the image, A draws a
// text, B a barcode, P prints. Texts go out in code page 1254.
namespace parvela::labels {

struct LabelLayout;

inline constexpr std::size_t kCommandBufferSize = 4096;
inline constexpr std::size_t kNameBytes = 80;
inline constexpr qsizetype kSpecialCodeCharacters = 50;

// Ç ç Ğ ğ İ ı Ö ö Ş ş Ü ü become c g i o s u; every other character stays.
void foldTurkishLetters(QString& text);

// The full label of a product, as `product.barcode` holds its code.
std::string productLabelCommands(const LabelLayout& layout, const stock::StockDefinition& product);
// A label with only the barcode `code`.
std::string barcodeLabelCommands(const LabelLayout& layout, std::int64_t code);

} // namespace parvela::labels
