#include "db/SqlFormat.h"

#include <clocale>
#include <cstdint>
#include <gtest/gtest.h>
#include <locale.h>

using parvela::db::sqlf;

TEST(Sqlf, formatsLikePrintf) {
    const std::int64_t code = 9000000000123;
    EXPECT_EQ(sqlf(" WHERE classa.id=%d ;", 7), " WHERE classa.id=7 ;");
    EXPECT_EQ(sqlf("%lld,%.2f,%.4f", static_cast<long long>(code), 12.5, 1.0 / 3),
              "9000000000123,12.50,0.3333");
    EXPECT_EQ(sqlf("%s", std::string(3000, 'x').c_str()).size(), 3000u);
}

TEST(Sqlf, writesDecimalPointsWhateverTheUserLocale) {
    locale_t comma = nullptr;
    for (const char* name : {"tr_TR.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8"}) {
        comma = newlocale(LC_ALL_MASK, name, nullptr);
        if (comma)
            break;
    }
    if (!comma)
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    const locale_t previous = uselocale(comma);
    const std::string text = sqlf("%.2f", 12.5);
    uselocale(previous);
    freelocale(comma);
    EXPECT_EQ(text, "12.50");
}
