#include "db/TextPreparation.h"

#include <gtest/gtest.h>

using namespace parvela::db;

TEST(EscapeLiteral, copiesAtMost231Bytes) {
    EXPECT_EQ(escapeLiteral(std::string(300, 'a')), std::string(231, 'a'));
    EXPECT_EQ(escapeLiteral(""), "");
}

TEST(EscapeLiteral, escapesQuotesAndBackslashBlanksPunctuation) {
    EXPECT_EQ(escapeLiteral("it's"), "it\\'s");
    EXPECT_EQ(escapeLiteral("a\"b\\c"), "a\\\"b\\\\c");
    EXPECT_EQ(escapeLiteral("%50"), " 50");
    EXPECT_EQ(escapeLiteral("\t\n\r!#$%*/;=@[]^`{}"), std::string(18, ' '));
    // Everything else passes, bytes above 127 included.
    EXPECT_EQ(escapeLiteral("Şiş-köfte (2),&+?|~"), "Şiş-köfte (2),&+?|~");
}

TEST(EscapeLiteral, neverSplitsAnEscapeAtTheLimit) {
    // The pair fits exactly.
    EXPECT_EQ(escapeLiteral(std::string(229, 'a') + "'"), std::string(229, 'a') + "\\'");
    // One byte too few: the quote is left out rather than a lone backslash kept.
    const std::string cut = escapeLiteral(std::string(230, 'a') + "'b");
    EXPECT_EQ(cut, std::string(230, 'a'));
    const std::string backslashes = escapeLiteral(std::string(300, '\\'));
    EXPECT_EQ(backslashes.size(), 230u);
    EXPECT_EQ(backslashes, std::string(230, '\\'));
}

TEST(WideToEscapedUtf8, sanitizesInPlaceAndEscapes) {
    QString name = QStringLiteral("Kuzu's \"Şiş\" 50% / tam");
    EXPECT_EQ(wideToEscapedUtf8(name), "Kuzu\\'s \\\"Şiş\\\" 50    tam");
    EXPECT_EQ(name, QStringLiteral("Kuzu's \"Şiş\" 50    tam"));
}

TEST(WideToEscapedUtf8, endsOnAWholeCharacter) {
    QString longName(200, QChar(0x015F)); // ş, two bytes each
    const std::string escaped = wideToEscapedUtf8(longName);
    EXPECT_LE(escaped.size(), kEscapedLiteralMax);
    EXPECT_EQ(escaped.size() % 2, 0u);
    EXPECT_EQ(QString::fromStdString(escaped), QString(115, QChar(0x015F)));
}

TEST(SanitizeWideRoundTrip, showsTheNameAsItWillBeStored) {
    QString name = QStringLiteral("Çiğ Köfte {acı}");
    EXPECT_EQ(sanitizeWideRoundTrip(name), QStringLiteral("Çiğ Köfte  acı "));
    // The escape's backslash is not stored, so it is not shown either.
    QString quoted = QStringLiteral("Ali'nin \"ev\" \\ yemeği");
    EXPECT_EQ(sanitizeWideRoundTrip(quoted), QStringLiteral("Ali'nin \"ev\"   yemeği"));
    QString again = sanitizeWideRoundTrip(quoted);
    EXPECT_EQ(sanitizeWideRoundTrip(again), again);
    QString longName(100, QLatin1Char('x'));
    EXPECT_EQ(sanitizeWideRoundTrip(longName).size(), kRoundTripMax);
}

TEST(Sanitizers, replaceTheirOwnCharacterSets) {
    QString text = QStringLiteral("a\tb\nc\rd!#$%/?@\\^`{|}e'\";,-*=");
    EXPECT_EQ(sanitizeText(text), text.size());
    EXPECT_EQ(text, QStringLiteral("a b c d") + QString(13, u' ') + QStringLiteral("e'\";,-*="));

    QString lines = QStringLiteral("a\tb\nc\r!#$%/?@\\^`{|}");
    sanitizeTextKeepLines(lines);
    EXPECT_EQ(lines, QStringLiteral("a b\nc\r") + QString(13, u' '));

    QString transfer = QStringLiteral("a\t!\"#$%'*,-/;=?@\\^`{|}\u2019b\n.");
    sanitizeTransferText(transfer);
    EXPECT_EQ(transfer, QStringLiteral("a") + QString(22, u' ') + QStringLiteral("b\n."));
}

TEST(DecimalCommaToDot, replacesCommasAndKeepsAtMostElevenCharacters) {
    EXPECT_EQ(decimalCommaToDot("12,50"), "12.50");
    EXPECT_EQ(decimalCommaToDot("12.50"), "12.50");
    EXPECT_EQ(decimalCommaToDot("1234567,8901234"), "1234567.890");
}

// Half a surrogate pair would become a '?' in UTF-8, which the cleaning takes
// out when the stored text is sent again: it is U+FFFD from the start.
TEST(WideToEscapedUtf8, halfASurrogatePairBecomesTheReplacementCharacter) {
    QString text =
        QStringLiteral("a") + QChar(0xD83D) + QStringLiteral("b\U0001F600") + QChar(0xDE00);
    EXPECT_EQ(wideToEscapedUtf8(text), "a\xEF\xBF\xBD"
                                       "b\xF0\x9F\x98\x80\xEF\xBF\xBD");
    QString shown = QStringLiteral("x") + QChar(0xDC00) + QStringLiteral("?");
    const QString stored = sanitizeWideRoundTrip(shown);
    EXPECT_EQ(stored, QStringLiteral("x\uFFFD "));
    QString again = stored;
    EXPECT_EQ(sanitizeWideRoundTrip(again), stored);
}

TEST(ValidUtf8, replacesWhatIsNotUtf8AndKeepsTheRest) {
    EXPECT_EQ(validUtf8("Şiş \xE2\x82\xAC"), "Şiş \xE2\x82\xAC");
    EXPECT_EQ(validUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
    EXPECT_EQ(validUtf8("a\xFF"
                        "b\xC3"),
              "a\xEF\xBF\xBD"
              "b\xEF\xBF\xBD");
}
