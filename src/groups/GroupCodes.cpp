#include "groups/GroupCodes.h"

#include <cstdint>
#include <limits>
#include <unordered_set>

namespace parvela::groups {

namespace {

constexpr int kNoCode = -1;
constexpr std::int64_t kLargestCode = std::numeric_limits<int>::max();

// The number whose decimal text is that of `prefix` followed by that of
// `counter`, or -1 when it does not fit.
std::int64_t compose(std::int64_t prefix, std::int64_t counter) {
    std::int64_t shift = 10;
    while (shift <= counter)
        shift *= 10;
    if (prefix > (kLargestCode - counter) / shift)
        return kNoCode;
    return prefix * shift + counter;
}

template <typename Group>
std::unordered_set<int> codesOf(const std::vector<Group>& all, int Group::*code) {
    std::unordered_set<int> used;
    used.reserve(all.size());
    for (const Group& group : all)
        used.insert(group.*code);
    return used;
}

// Distinct counters give distinct texts, so at most used.size() + 1
// candidates are tried before one is free or the codes no longer fit.
int firstFreeCode(int prefix, int firstCounter, const std::unordered_set<int>& used) {
    if (prefix < 1)
        return kNoCode;
    for (std::int64_t counter = firstCounter;; ++counter) {
        const std::int64_t candidate = compose(prefix, counter);
        if (candidate == kNoCode)
            return kNoCode;
        if (!used.contains(static_cast<int>(candidate)))
            return static_cast<int>(candidate);
    }
}

} // namespace

int nextGroupACode(int stockType, const std::vector<GroupA>& all) {
    return firstFreeCode(stockType, 1, codesOf(all, &GroupA::acode));
}

int nextGroupBCode(int acode, const std::vector<GroupB>& all) {
    return firstFreeCode(acode, 2, codesOf(all, &GroupB::bcode));
}

int nextGroupCCode(int bcode, const std::vector<GroupC>& all) {
    return firstFreeCode(bcode, 2, codesOf(all, &GroupC::ccode));
}

} // namespace parvela::groups
