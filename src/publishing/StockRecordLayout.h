#pragma once

#include <cstddef>

// Where each field of a product's transfer record sits; the key list reads
// its values back from there.
namespace parvela::publishing::stockrecord {

inline constexpr std::size_t kCode = 0;
inline constexpr std::size_t kType = 8;
inline constexpr std::size_t kGra = 12;
inline constexpr std::size_t kGrb = 16;
inline constexpr std::size_t kGrc = 20;
inline constexpr std::size_t kModel = 24;
inline constexpr std::size_t kModelSize = 20;
inline constexpr std::size_t kBrand = 44;
inline constexpr std::size_t kBrandSize = 40;
inline constexpr std::size_t kSpecs2 = 84;
inline constexpr std::size_t kSpecs2Size = 255;
inline constexpr std::size_t kBarcode = 339;
inline constexpr std::size_t kSerial = 379;
inline constexpr std::size_t kCodeTextSize = 40;
inline constexpr std::size_t kUnit = 419;
inline constexpr std::size_t kUnitSize = 5;
inline constexpr std::size_t kName = 424;
inline constexpr std::size_t kNameSize = 60;
inline constexpr std::size_t kKdv = 484;
inline constexpr std::size_t kUnitCost = 488;
inline constexpr std::size_t kSellp1 = 492;
inline constexpr std::size_t kAzparam = 516;
inline constexpr std::size_t kDepart = 520;
inline constexpr std::size_t kWeighed = 524;
inline constexpr std::size_t kCompany = 528;

} // namespace parvela::publishing::stockrecord
