#pragma once

#include "records/ProductList.h"

#include <unordered_set>
#include <vector>

// Stock codes are a prefix (the Group A id) and a counter written one after
// the other: prefix 5 gives 51, 52, …, 59, 510, 511. Codes of deleted
// products are never handed out again.
namespace parvela::stock {

inline constexpr StockCode kNoCode = -1;
inline constexpr int kFinishedPrefix = 333;

using CodeSet = std::unordered_set<StockCode>;

// The digits of `prefix` followed by those of `counter`; -1 when either is
// not above 0 or the result does not fit in 64 bits.
StockCode composeCode(long long prefix, long long counter);

CodeSet codeSetOf(const std::vector<StockCode>& codes);
CodeSet codeSetOf(const ProductList& products);

// The first code from `startCounter` on that is in neither set; -1 for a
// prefix not above 0 or when the counter runs out of digits.
StockCode firstFreeCode(int prefix, int startCounter, const CodeSet& taken, const CodeSet& deleted);

// The editor's variant: the products in memory count as taken.
StockCode nextCodeFromProducts(int gra, const ProductList& products,
                               const std::vector<StockCode>& deletedCodes);
// The renewal variant: the codes of stckdef as last read count as taken.
StockCode nextCodeFromCodes(int gra, const std::vector<StockCode>& codes,
                            const std::vector<StockCode>& deletedCodes);

} // namespace parvela::stock
