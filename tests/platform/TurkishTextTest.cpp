#include "platform/TurkishText.h"

#include <QStringList>
#include <algorithm>
#include <gtest/gtest.h>

using parvela::platform::TurkishText;

TEST(TurkishText, sortsByTheTurkishAlphabet) {
    QStringList names = {QStringLiteral("Zeytin"), QStringLiteral("Çay"),
                         QStringLiteral("Şiş"),    QStringLiteral("İçli Köfte"),
                         QStringLiteral("Irmik"),  QStringLiteral("Cacık"),
                         QStringLiteral("Dürüm"),  QStringLiteral("Su")};
    std::sort(names.begin(), names.end(), TurkishText::less);
    EXPECT_EQ(names,
              QStringList({QStringLiteral("Cacık"), QStringLiteral("Çay"), QStringLiteral("Dürüm"),
                           QStringLiteral("Irmik"), QStringLiteral("İçli Köfte"),
                           QStringLiteral("Su"), QStringLiteral("Şiş"), QStringLiteral("Zeytin")}));
}

TEST(TurkishText, casesDottedAndDotlessI) {
    EXPECT_EQ(TurkishText::toUpper(QStringLiteral("ıi")), QStringLiteral("Iİ"));
    EXPECT_EQ(TurkishText::toLower(QStringLiteral("Iİ")), QStringLiteral("ıi"));
}
