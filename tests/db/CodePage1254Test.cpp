#include "db/CodePage1254.h"

#include <gtest/gtest.h>

using parvela::db::Cp1254;

TEST(Cp1254, encodesTurkishLettersToTheirBytes) {
    const auto bytes = Cp1254::encode(QStringLiteral("ŞİŞ KÖFTE ğüıçö"));
    ASSERT_TRUE(bytes);
    EXPECT_EQ(*bytes, "\xDE\xDD\xDE\x20\x4B\xD6\x46\x54\x45\x20\xF0\xFC\xFD\xE7\xF6");
    EXPECT_EQ(Cp1254::decode(*bytes), QStringLiteral("ŞİŞ KÖFTE ğüıçö"));
    EXPECT_EQ(*Cp1254::encode(QStringLiteral("“x” – 5 €")), "\x93x\x94 \x96 5 \x80");
}

TEST(Cp1254, reportsOrReplacesWhatItCannotHold) {
    EXPECT_FALSE(Cp1254::encode(QStringLiteral("A日B")));
    EXPECT_EQ(Cp1254::encodeLossy(QStringLiteral("A日B😀C")), "A?B?C");
    EXPECT_EQ(Cp1254::decode("a\x81z"), QStringLiteral("a\uFFFDz"));
}
