#pragma once

#include "records/StockRecords.h"

#include <cstdint>
#include <vector>

namespace parvela::stock {

// Stock codes numbered 0, 1, 2… in the order they were first seen, in one
// flat table: a look-up touches one place in memory where a node-based map
// touches two, which shows when every product of a large catalogue looks up.
class CodeIndex {
public:
    static constexpr std::uint32_t kNone = 0xFFFFFFFF;

    explicit CodeIndex(std::size_t expected = 0);

    // The code's number, a new one when the code is new.
    std::uint32_t insert(StockCode code);
    std::uint32_t find(StockCode code) const;
    std::size_t size() const { return m_size; }

private:
    std::size_t slotOf(StockCode code) const;
    void grow();

    // A code and its number side by side: one probe, one cache line.
    struct Slot {
        StockCode code = 0;
        std::uint32_t number = kNone; // kNone where the slot is free
    };

    std::vector<Slot> m_slots;
    std::size_t m_size = 0;
    std::size_t m_mask = 0;
};

} // namespace parvela::stock
