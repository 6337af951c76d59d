#include "stock/catalogue/CodeIndex.h"

#include <gtest/gtest.h>

using parvela::stock::CodeIndex;

TEST(CodeIndex, numbersCodesInTheOrderSeenAndFindsThemAfterGrowing) {
    CodeIndex index(2);
    EXPECT_EQ(index.find(5), CodeIndex::kNone);
    // Codes that differ only far up, and enough of them to grow the table
    // several times.
    for (std::int64_t i = 0; i < 5000; ++i)
        EXPECT_EQ(index.insert(9099000000000 + i * 1024), static_cast<std::uint32_t>(i));
    EXPECT_EQ(index.insert(9099000000000 + 7 * 1024), 7u); // already there
    EXPECT_EQ(index.size(), 5000u);
    for (std::int64_t i = 0; i < 5000; ++i)
        ASSERT_EQ(index.find(9099000000000 + i * 1024), static_cast<std::uint32_t>(i));
    EXPECT_EQ(index.find(9099000000001), CodeIndex::kNone);
    EXPECT_EQ(index.insert(0), 5000u);
    EXPECT_EQ(index.insert(-1), 5001u);
    EXPECT_EQ(index.find(-1), 5001u);
}
