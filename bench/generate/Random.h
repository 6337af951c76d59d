#pragma once

#include <cstddef>
#include <cstdint>

namespace parvela::bench {

// SplitMix64 with a fixed seed: the same N always gives the same catalogue.
class Random {
public:
    explicit Random(std::uint64_t seed = 20240611)
        : m_state(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // Uniform in [0, bound).
    std::size_t below(std::size_t bound) { return static_cast<std::size_t>(next() % bound); }
    // Uniform in [low, high].
    int between(int low, int high) {
        return low + static_cast<int>(below(static_cast<std::size_t>(high - low + 1)));
    }
    bool chance(double probability) {
        return static_cast<double>(next() >> 11) < probability * 9007199254740992.0;
    }

private:
    std::uint64_t m_state;
};

} // namespace parvela::bench
