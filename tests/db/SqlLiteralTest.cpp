#include "db/SqlLiteral.h"

#include "DatabaseTest.h"
#include "TestSettings.h"
#include "db/DbConnection.h"
#include "db/Row.h"
#include "db/StatementRunner.h"

using namespace parvela;

TEST(Latin5Literal, writesTurkishTextInCodePage1254) {
    EXPECT_EQ(db::latin5Literal(QStringLiteral("Şiş")), "_latin5'\xDEi\xFE'");
    EXPECT_EQ(db::latin5Literal(QStringLiteral("O'Neil \\")), "_latin5'O\\'Neil \\\\'");
    EXPECT_EQ(db::latin5Literal(QStringLiteral("5 €")), "_utf8mb4'5 \xE2\x82\xAC'");
}

TEST(QuotedLiteral, escapesOnlyWhatCouldEndIt) {
    EXPECT_EQ(db::quotedLiteral("1' OR '1'='1"), "'1\\' OR \\'1\\'=\\'1'");
    EXPECT_EQ(db::quotedLiteral("a\\"), "'a\\\\'");
}

class Latin5RoundTrip : public test::DatabaseTest {
protected:
    QString storeAndReadBack(const QString& text) {
        const db::Operation op("INSERT_URUN_SPECS");
        EXPECT_EQ(m_runner.execute(op, db::schema::groups, "DELETE FROM specs;"),
                  db::Outcome::Completed);
        EXPECT_EQ(m_runner.execute(op, db::schema::groups,
                                   "INSERT INTO specs(acode,bcode,fcode,name) VALUES(1,2,3," +
                                       db::latin5Literal(text) + ");"),
                  db::Outcome::Completed);
        QString stored;
        EXPECT_EQ(m_runner.queryFirst(op, db::schema::groups, "SELECT name FROM specs;",
                                      [&](const db::Row& row) { stored = row.text(1); }),
                  db::Outcome::Completed);
        return stored;
    }

    test::TestSettings m_settings;
    db::DbConnection m_connection{m_settings};
    db::StatementRunner m_runner{m_connection, m_boxes};
};

TEST_F(Latin5RoundTrip, storesEveryTextIntact) {
    for (const QString& text :
         {QStringLiteral("ŞİŞ KÖFTE ğüıçö"), QStringLiteral("Menü “Özel” – 5 €"),
          QStringLiteral("Ali's \\ Grill"), QStringLiteral("x'); DROP TABLE specs; -- "),
          QStringLiteral("寿司 😀")}) {
        EXPECT_EQ(storeAndReadBack(text), text);
    }
    EXPECT_TRUE(m_boxes.shown().empty());
}
