#include "stock/catalogue/NextCode.h"

#include <limits>

namespace parvela::stock {

namespace {

constexpr StockCode kMaxCode = std::numeric_limits<StockCode>::max();

// 10 to the number of decimal digits of `value`, or 0 when that overflows.
StockCode digitShift(long long value) {
    StockCode shift = 1;
    for (long long rest = value; rest > 0; rest /= 10) {
        if (shift > kMaxCode / 10)
            return 0;
        shift *= 10;
    }
    return shift;
}

} // namespace

StockCode composeCode(long long prefix, long long counter) {
    if (prefix <= 0 || counter <= 0)
        return kNoCode;
    const StockCode shift = digitShift(counter);
    if (shift == 0 || prefix > (kMaxCode - counter) / shift)
        return kNoCode;
    return prefix * shift + counter;
}

CodeSet codeSetOf(const std::vector<StockCode>& codes) {
    return CodeSet(codes.begin(), codes.end());
}

CodeSet codeSetOf(const ProductList& products) {
    CodeSet codes;
    codes.reserve(products.size());
    for (const StockDefinition& product : products)
        codes.insert(product.stcode);
    return codes;
}

StockCode firstFreeCode(int prefix, int startCounter, const CodeSet& taken,
                        const CodeSet& deleted) {
    if (prefix <= 0)
        return kNoCode;
    for (long long counter = startCounter < 1 ? 1 : startCounter;; ++counter) {
        const StockCode candidate = composeCode(prefix, counter);
        if (candidate == kNoCode)
            return kNoCode;
        if (!deleted.contains(candidate) && !taken.contains(candidate))
            return candidate;
    }
}

StockCode nextCodeFromProducts(int gra, const ProductList& products,
                               const std::vector<StockCode>& deletedCodes) {
    return firstFreeCode(gra, 1, codeSetOf(products), codeSetOf(deletedCodes));
}

StockCode nextCodeFromCodes(int gra, const std::vector<StockCode>& codes,
                            const std::vector<StockCode>& deletedCodes) {
    return firstFreeCode(gra, 1, codeSetOf(codes), codeSetOf(deletedCodes));
}

} // namespace parvela::stock
