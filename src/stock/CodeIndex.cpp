#include "stock/CodeIndex.h"

#include <bit>

namespace parvela::stock {

namespace {

std::size_t capacityFor(std::size_t count) {
    return std::bit_ceil(std::max<std::size_t>(16, count * 2));
}

} // namespace

CodeIndex::CodeIndex(std::size_t expected)
    : m_codes(capacityFor(expected))
    , m_numbers(m_codes.size(), kNone)
    , m_mask(m_codes.size() - 1) {}

std::size_t CodeIndex::slotOf(StockCode code) const {
    // Fibonacci hashing spreads codes that differ in their last digits.
    const auto mixed = static_cast<std::uint64_t>(code) * 0x9E3779B97F4A7C15ULL;
    return static_cast<std::size_t>(mixed >> 32) & m_mask;
}

std::uint32_t CodeIndex::find(StockCode code) const {
    for (std::size_t slot = slotOf(code);; slot = (slot + 1) & m_mask) {
        if (m_numbers[slot] == kNone)
            return kNone;
        if (m_codes[slot] == code)
            return m_numbers[slot];
    }
}

std::uint32_t CodeIndex::insert(StockCode code) {
    if ((m_size + 1) * 2 > m_codes.size())
        grow();
    for (std::size_t slot = slotOf(code);; slot = (slot + 1) & m_mask) {
        if (m_numbers[slot] == kNone) {
            m_codes[slot] = code;
            m_numbers[slot] = static_cast<std::uint32_t>(m_size++);
            return m_numbers[slot];
        }
        if (m_codes[slot] == code)
            return m_numbers[slot];
    }
}

void CodeIndex::grow() {
    std::vector<StockCode> codes(m_codes.size() * 2);
    std::vector<std::uint32_t> numbers(codes.size(), kNone);
    codes.swap(m_codes);
    numbers.swap(m_numbers);
    m_mask = m_codes.size() - 1;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        if (numbers[i] == kNone)
            continue;
        std::size_t slot = slotOf(codes[i]);
        while (m_numbers[slot] != kNone)
            slot = (slot + 1) & m_mask;
        m_codes[slot] = codes[i];
        m_numbers[slot] = numbers[i];
    }
}

} // namespace parvela::stock
