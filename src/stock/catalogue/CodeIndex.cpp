#include "stock/catalogue/CodeIndex.h"

#include <bit>

namespace parvela::stock {

namespace {

std::size_t capacityFor(std::size_t count) {
    return std::bit_ceil(std::max<std::size_t>(16, count * 2));
}

} // namespace

CodeIndex::CodeIndex(std::size_t expected)
    : m_slots(capacityFor(expected))
    , m_mask(m_slots.size() - 1) {}

std::size_t CodeIndex::slotOf(StockCode code) const {
    // Fibonacci hashing spreads codes that differ in their last digits.
    const auto mixed = static_cast<std::uint64_t>(code) * 0x9E3779B97F4A7C15ULL;
    return static_cast<std::size_t>(mixed >> 32) & m_mask;
}

std::uint32_t CodeIndex::find(StockCode code) const {
    for (std::size_t slot = slotOf(code);; slot = (slot + 1) & m_mask) {
        const Slot& here = m_slots[slot];
        if (here.number == kNone || here.code == code)
            return here.number;
    }
}

std::uint32_t CodeIndex::insert(StockCode code) {
    if ((m_size + 1) * 2 > m_slots.size())
        grow();
    for (std::size_t slot = slotOf(code);; slot = (slot + 1) & m_mask) {
        Slot& here = m_slots[slot];
        if (here.number == kNone)
            here = {code, static_cast<std::uint32_t>(m_size++)};
        if (here.code == code)
            return here.number;
    }
}

void CodeIndex::grow() {
    std::vector<Slot> old(m_slots.size() * 2);
    old.swap(m_slots);
    m_mask = m_slots.size() - 1;
    for (const Slot& moving : old) {
        if (moving.number == kNone)
            continue;
        std::size_t slot = slotOf(moving.code);
        while (m_slots[slot].number != kNone)
            slot = (slot + 1) & m_mask;
        m_slots[slot] = moving;
    }
}

} // namespace parvela::stock
