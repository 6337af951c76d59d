#include "groups/GroupCodes.h"

#include "GroupBuilders.h"
#include "groups/StockType.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>

using namespace parvela;
using namespace parvela::groups;
using test::groupA;
using test::groupB;
using test::groupC;

namespace {

// The parent's digits followed by the counter's.
int codeUnder(int parent, int counter) {
    std::string digits = std::to_string(parent);
    digits.append(std::to_string(counter));
    return std::stoi(digits);
}

} // namespace

TEST(GroupCodes, emptyLevelGivesTheFirstCandidate) {
    EXPECT_EQ(nextGroupACode(kFinished, {}), 3331);
    EXPECT_EQ(nextGroupACode(kRawMaterial, {}), 1111);
    EXPECT_EQ(nextGroupBCode(3331, {}), 33312);
    EXPECT_EQ(nextGroupCCode(33312, {}), 333122);
}

TEST(GroupCodes, groupACounterRunsPastNine) {
    std::vector<GroupA> all{groupA(1111)};
    EXPECT_EQ(nextGroupACode(kFinished, all), 3331);
    for (int expected = 3331; expected <= 3339; ++expected) {
        ASSERT_EQ(nextGroupACode(kFinished, all), expected);
        all.push_back(groupA(expected));
    }
    EXPECT_EQ(nextGroupACode(kFinished, all), 33310);
}

TEST(GroupCodes, freeCodeBetweenUsedOnesIsTaken) {
    const std::vector<GroupB> all{groupB(3331, 33312), groupB(3331, 33314)};
    EXPECT_EQ(nextGroupBCode(3331, all), 33313);
    const std::vector<GroupC> allC{groupC(3331, 33312, 333122)};
    EXPECT_EQ(nextGroupCCode(33312, allC), 333123);
}

TEST(GroupCodes, codesAreUniqueAcrossTheWholeLevel) {
    // Under Group A 1 the counters 2 … 11 give 12 … 111; counter 12 gives
    // 112, which is also counter 2 under Group A 11.
    std::vector<GroupB> all;
    for (int counter = 2; counter <= 11; ++counter)
        all.push_back(groupB(1, codeUnder(1, counter)));
    const int underEleven = nextGroupBCode(11, all);
    EXPECT_EQ(underEleven, 112);
    all.push_back(groupB(11, underEleven));
    EXPECT_EQ(nextGroupBCode(1, all), 113);

    const std::vector<GroupC> allC{groupC(0, 1, 112)};
    EXPECT_EQ(nextGroupCCode(11, allC), 113);
}

TEST(GroupCodes, prefixWithoutRoomFailsBelowOne) {
    constexpr int kLargest = std::numeric_limits<int>::max();
    EXPECT_LT(nextGroupACode(kNoType, {}), 1);
    EXPECT_LT(nextGroupACode(-333, {}), 1);
    EXPECT_LT(nextGroupBCode(kLargest, {}), 1);
    EXPECT_LT(nextGroupCCode(333122333, {}), 1);

    // 2147483642 … 2147483647 still fit; the next counter does not.
    std::vector<GroupC> all;
    for (int counter = 2; counter <= 7; ++counter) {
        ASSERT_EQ(nextGroupCCode(214748364, all), 2147483640 + counter);
        all.push_back(groupC(0, 214748364, 2147483640 + counter));
    }
    EXPECT_LT(nextGroupCCode(214748364, all), 1);
}
