#include "db/ChangeJournal.h"

#include "CatalogFixtures.h"
#include "DatabaseTest.h"
#include "PrintQString.h"
#include "TestSettings.h"
#include "db/DbConnection.h"
#include "db/StatementRunner.h"
#include "db/Transaction.h"
#include "journal/ChangeHistory.h"
#include "journal/ChangeJournalWindow.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTreeWidget>
#include <algorithm>

using namespace parvela;
using journal::UndoResult;
using test::TestDatabase;

namespace {

const db::Operation kChange("SET_RENK");
const char* const kCodes = "33311,33312,33314";

class ChangeJournalTest : public test::DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        test::loadDemoRestaurant();
        m_runner.setActor({"1001", "KASA-1"});
    }

    // Runs `statements` as one journalled change keeping `tables` by stcode.
    db::Outcome change(const std::string& statements,
                       const std::vector<std::pair<const char*, const char*>>& tables,
                       const std::vector<std::string>& codes) {
        db::Transaction change(m_runner, kChange);
        change.journalAs("Renk Ayarla");
        for (const auto& [schemaName, table] : tables)
            change.keep(schemaName, table, "stcode", codes);
        (void)m_runner.execute(kChange, db::schema::stocks, statements);
        return change.commit();
    }

    std::vector<journal::JournalEntry> entries() {
        std::vector<journal::JournalEntry> read;
        EXPECT_GE(journal::readChanges(m_runner, read), 0);
        return read;
    }

    static TestDatabase::Rows colours() {
        return TestDatabase::query(std::string("SELECT * FROM stocks.colors WHERE stcode IN (") +
                                   kCodes + ") ORDER BY stcode");
    }

    test::TestSettings m_settings;
    db::DbConnection m_connection{m_settings};
    db::StatementRunner m_runner{m_connection, m_boxes};
    const std::vector<std::string> m_codes{"33311", "33312", "33314"};
};

} // namespace

// Doubles, floats (whose own text is rounded), dates, NULLs and names in
// another character set than the connection's come back bit for bit.
TEST_F(ChangeJournalTest, undoWritesTheKeptRowsBackByteForByte) {
    TestDatabase::exec(
        "DROP DATABASE IF EXISTS journal_probe; CREATE DATABASE journal_probe;"
        "CREATE TABLE journal_probe.t (id INT PRIMARY KEY, stcode BIGINT, price DOUBLE,"
        " weight FLOAT, made DATE NULL, note VARCHAR(20) NULL,"
        " name VARCHAR(40) CHARACTER SET latin5 NOT NULL DEFAULT '');"
        "INSERT INTO journal_probe.t VALUES (1, 33311, 0.1e0 + 0.2e0, 1.2345678, '2026-01-02',"
        " NULL, 'Şiş Köfte'), (2, 33312, 12.35, 0.1, NULL, 'not', ''), (3, 33314, 7, 7, NULL,"
        " NULL, 'Ğ');"
        "CREATE TABLE journal_probe.copy AS SELECT * FROM journal_probe.t;");
    const TestDatabase::Rows discounts =
        TestDatabase::query("SELECT * FROM stocks.indirim_tablosu ORDER BY id");
    const TestDatabase::Rows before = colours();

    ASSERT_EQ(change("UPDATE colors SET red = 1, blue = 2 WHERE stcode IN (33311,33312);"
                     "UPDATE indirim_tablosu SET yuzde = 99 WHERE stcode IN (33311,33314);"
                     "DELETE FROM colors WHERE stcode = 33314;"
                     "UPDATE journal_probe.t SET price = price * 3, weight = weight * 3,"
                     " made = NULL, note = 'x', name = 'Ayran';",
                     {{"stocks", "colors"}, {"stocks", "indirim_tablosu"}, {"journal_probe", "t"}},
                     m_codes),
              db::Outcome::Completed);
    const std::vector<journal::JournalEntry> kept = entries();
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].caption, QStringLiteral("Renk Ayarla"));
    EXPECT_EQ(kept[0].user, QStringLiteral("1001"));
    EXPECT_EQ(kept[0].machine, QStringLiteral("KASA-1"));
    EXPECT_EQ(kept[0].products, 3);
    std::vector<std::string> products;
    EXPECT_EQ(journal::readChangeProducts(m_runner, kept[0].id, products), 3);
    EXPECT_EQ(products, m_codes);

    const UndoResult undone = journal::undoChange(m_runner, kept[0].id, false);
    EXPECT_EQ(undone.status, UndoResult::Status::Undone);
    EXPECT_EQ(undone.restored, 3u);
    EXPECT_EQ(colours(), before);
    EXPECT_EQ(TestDatabase::query("SELECT * FROM stocks.indirim_tablosu ORDER BY id"), discounts);
    EXPECT_EQ(TestDatabase::scalar(
                  "SELECT COUNT(*) FROM journal_probe.t t JOIN journal_probe.copy c ON t.id = c.id"
                  " AND t.stcode = c.stcode AND t.price = c.price AND t.weight = c.weight"
                  " AND t.made <=> c.made AND t.note <=> c.note AND BINARY t.name = BINARY c.name"),
              "3");
    EXPECT_TRUE(m_boxes.shown().empty());
    TestDatabase::exec("DROP DATABASE journal_probe;");
}

TEST_F(ChangeJournalTest, undoAsksForProductsChangedSinceAndForceOverwritesThem) {
    const TestDatabase::Rows before = colours();
    ASSERT_EQ(change("UPDATE colors SET red = 7 WHERE stcode IN (33311,33312,33314);",
                     {{"stocks", "colors"}}, m_codes),
              db::Outcome::Completed);
    TestDatabase::exec("UPDATE stocks.colors SET green = 1 WHERE stcode = 33312;");
    const TestDatabase::Rows changedSince = colours();
    const long long id = entries().front().id;

    const UndoResult asked = journal::undoChange(m_runner, id, false);
    EXPECT_EQ(asked.status, UndoResult::Status::ChangedSince);
    EXPECT_EQ(asked.changedSince, std::vector<std::string>{"33312"});
    EXPECT_EQ(colours(), changedSince);

    EXPECT_EQ(journal::undoChange(m_runner, id, true).status, UndoResult::Status::Undone);
    EXPECT_EQ(colours(), before);
    EXPECT_EQ(journal::undoChange(m_runner, id, true).status, UndoResult::Status::AlreadyUndone);

    // The undo is a change of its own: taking it back redoes the change.
    const std::vector<journal::JournalEntry> kept = entries();
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_EQ(kept[0].caption, QStringLiteral("Geri Al: Renk Ayarla"));
    EXPECT_TRUE(kept[1].undone);
    EXPECT_EQ(journal::undoChange(m_runner, kept[0].id, false).status, UndoResult::Status::Undone);
    EXPECT_EQ(colours(), changedSince);
}

TEST_F(ChangeJournalTest, undoDeletesACreatedProductUnlessSomethingRefersToIt) {
    ASSERT_EQ(change("INSERT INTO stckdef (stcode, stname) VALUES (7771, 'Yeni'), (7772, 'Yeni');",
                     {{"stocks", "stckdef"}}, {"7771", "7772"}),
              db::Outcome::Completed);
    TestDatabase::exec("INSERT INTO stocks.colors (stcode, red) VALUES (7772, 1);");

    const UndoResult undone = journal::undoChange(m_runner, entries().front().id, false);
    EXPECT_EQ(undone.status, UndoResult::Status::Undone);
    EXPECT_EQ(undone.restored, 1u);
    EXPECT_EQ(undone.keptCreated, std::vector<std::string>{"7772"});
    EXPECT_EQ(TestDatabase::scalar("SELECT GROUP_CONCAT(stcode) FROM stocks.stckdef "
                                   "WHERE stcode IN (7771, 7772)"),
              "7772");
}

TEST_F(ChangeJournalTest, aFailedChangeWritesNoEntry) {
    const TestDatabase::Rows before = colours();
    EXPECT_EQ(change("UPDATE colors SET red = 7 WHERE stcode = 33311;"
                     "UPDATE nosuch SET red = 7;",
                     {{"stocks", "colors"}}, m_codes),
              db::Outcome::Failed);
    EXPECT_EQ(m_boxes.shown().size(), 1u);
    EXPECT_EQ(colours(), before);
    EXPECT_TRUE(entries().empty());
}

TEST_F(ChangeJournalTest, theLastHundredChangesAreKept) {
    for (int i = 1; i <= db::kChangesKept + 2; ++i)
        ASSERT_EQ(change("UPDATE colors SET red = " + std::to_string(i) + " WHERE stcode = 33311;",
                         {{"stocks", "colors"}}, {"33311"}),
                  db::Outcome::Completed);
    const std::vector<journal::JournalEntry> kept = entries();
    ASSERT_EQ(kept.size(), static_cast<std::size_t>(db::kChangesKept));
    // Newest first; ids need not follow one another (a cluster steps them).
    EXPECT_TRUE(std::is_sorted(kept.begin(), kept.end(),
                               [](const auto& a, const auto& b) { return a.id > b.id; }));
    EXPECT_EQ(
        TestDatabase::scalar("SELECT COUNT(DISTINCT change_id) FROM parvela_journal.kept_rows"),
        std::to_string(db::kChangesKept));
    // The oldest kept one still takes its own step back (red 3 to 2).
    EXPECT_EQ(journal::undoChange(m_runner, kept.back().id, true).status,
              UndoResult::Status::Undone);
    EXPECT_EQ(TestDatabase::scalar("SELECT red FROM stocks.colors WHERE stcode = 33311"), "2");
}

TEST_F(ChangeJournalTest, theWindowAsksThenTakesThePickedChangeBack) {
    const TestDatabase::Rows before = colours();
    ASSERT_EQ(change("UPDATE colors SET red = 7 WHERE stcode IN (33311,33312,33314);",
                     {{"stocks", "colors"}}, m_codes),
              db::Outcome::Completed);
    TestDatabase::exec("UPDATE stocks.colors SET green = 1 WHERE stcode = 33312;");
    int reads = 0;
    journal::ChangeJournalWindow window(
        m_runner, m_boxes, test::catalogueOf({test::productRecord(33312, "Adana Dürüm", 0)}),
        [&reads] { ++reads; }, nullptr);
    auto* changes = window.findChild<QTreeWidget*>(QStringLiteral("changes"));
    auto* products = window.findChild<QTreeWidget*>(QStringLiteral("products"));
    ASSERT_EQ(changes->topLevelItemCount(), 1);
    EXPECT_EQ(changes->topLevelItem(0)->text(2), QStringLiteral("Renk Ayarla"));
    EXPECT_EQ(changes->topLevelItem(0)->text(3), QStringLiteral("3 ürün"));
    ASSERT_EQ(products->topLevelItemCount(), 3);
    EXPECT_EQ(products->topLevelItem(1)->text(1), QStringLiteral("Adana Dürüm"));
    // Whole on the smallest screen, every heading as wide as its text.
    window.show();
    EXPECT_LE(window.frameGeometry().width(), 1024);
    EXPECT_LE(window.frameGeometry().height(), 740);
    for (const QTreeWidget* list : {changes, products})
        for (int column = 0; column < list->columnCount(); ++column)
            EXPECT_GE(list->columnWidth(column),
                      list->fontMetrics().horizontalAdvance(list->headerItem()->text(column)))
                << column;
    EXPECT_TRUE(window.grab().save(QCoreApplication::applicationDirPath() +
                                   QStringLiteral("/change-journal.png")));

    m_boxes.queueAnswer(platform::BoxAnswer::Yes);
    window.findChild<QPushButton*>(QStringLiteral("1"))->click();
    ASSERT_EQ(m_boxes.shown().size(), 2u);
    const platform::BoxRequest& question = m_boxes.shown()[0];
    EXPECT_EQ(question.buttons, platform::BoxButtons::YesNo);
    EXPECT_EQ(question.defaultAnswer, platform::BoxAnswer::No);
    EXPECT_TRUE(question.text.contains(QStringLiteral("33312  Adana Dürüm")))
        << question.text.toStdString();
    EXPECT_TRUE(m_boxes.shown()[1].text.startsWith(QStringLiteral("3 ürün")))
        << m_boxes.shown()[1].text.toStdString();
    EXPECT_EQ(colours(), before);
    EXPECT_EQ(reads, 1);
    ASSERT_EQ(changes->topLevelItemCount(), 2);
    EXPECT_EQ(changes->topLevelItem(1)->text(4), QStringLiteral("Geri alındı"));
    changes->setCurrentItem(changes->topLevelItem(1));
    EXPECT_FALSE(window.findChild<QPushButton*>(QStringLiteral("1"))->isEnabled());
}

// Thousands of products: their keys go to the server in chunks and their rows
// in multi-row inserts, and every one comes back.
TEST_F(ChangeJournalTest, aChangeOfThousandsOfProductsComesBackWhole) {
    TestDatabase::exec("INSERT INTO stocks.stckdef (stcode, stname, sellp1) SELECT 900000 + seq,"
                       " CONCAT('Şiş ', seq), seq / 4 FROM stocks.seq_1_to_2500;");
    std::vector<std::string> codes;
    for (const auto& row : TestDatabase::query("SELECT stcode FROM stocks.stckdef"))
        codes.push_back(row[0]);
    const auto checksum = [] {
        return TestDatabase::query("CHECKSUM TABLE stocks.stckdef")[0][1];
    };
    const std::string before = checksum();
    ASSERT_EQ(change("UPDATE stckdef SET kdv = 1, stname = CONCAT(stname, ' x');",
                     {{"stocks", "stckdef"}}, codes),
              db::Outcome::Completed);
    ASSERT_NE(checksum(), before);
    const journal::JournalEntry entry = entries().front();
    EXPECT_EQ(entry.products, static_cast<int>(codes.size()));

    const UndoResult undone = journal::undoChange(m_runner, entry.id, false);
    EXPECT_EQ(undone.status, UndoResult::Status::Undone);
    EXPECT_EQ(undone.restored, codes.size());
    EXPECT_EQ(checksum(), before);
}
