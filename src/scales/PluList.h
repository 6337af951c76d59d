#pragma once

#include "records/ProductList.h"

#include <QString>
#include <string>
#include <string_view>
#include <vector>

namespace parvela::platform {
class MessageBoxes;
}

// The PLU list that carries the weighed products to the scales.
namespace parvela::scales {

inline constexpr int kPluField5 = 7;
inline constexpr int kPluField7 = 27;
inline constexpr int kPluField9 = 30;
inline constexpr int kPluNameBytes = 30;

// The third to seventh characters of the barcode as a number; 0 when there
// are none.
int pluNumberOf(std::string_view barcode);
// The price in hundredths, truncated toward zero; 19.99 gives 1999.
int hundredthsOf(double price);
// The name in code page 1254, at most 30 bytes, commas and control
// characters blanked: a comma would end the scale's name field, a line
// break its record.
std::string pluNameOf(const QString& name);
// One line, code page 1254 bytes ending in CR LF.
std::string pluLineOf(const stock::StockDefinition& product);
std::string pluListOf(const stock::ProductList& weighed);

// Writes the file whole or not at all; a failure is told with the path and
// the reason. False then.
bool writePluFile(const QString& path, const std::string& bytes, platform::MessageBoxes& boxes);

} // namespace parvela::scales
