#include "db/StatementRunner.h"

#include "DatabaseTest.h"
#include "TestSettings.h"
#include "db/DbConnection.h"
#include "db/Row.h"
#include "db/StatementBatch.h"
#include "db/StatementJournal.h"
#include "db/Transaction.h"

#include <barrier>
#include <cppconn/exception.h>
#include <thread>

using namespace parvela;
using platform::BoxIcon;
using test::TestDatabase;

namespace {

class StatementRunnerTest : public test::DatabaseTest {
protected:
    test::TestSettings m_settings;
    db::DbConnection m_connection{m_settings};
    db::StatementRunner m_runner{m_connection, m_boxes};

    std::vector<std::string> unitNames() {
        std::vector<std::string> names;
        const db::Outcome outcome =
            m_runner.query(db::Operation("READ_BIRIMLER"), db::schema::stocks,
                           "SELECT name FROM units ORDER BY name;",
                           [&](const db::Row& row) { names.push_back(row.bytes(1)); });
        EXPECT_EQ(outcome, db::Outcome::Completed);
        return names;
    }
};

} // namespace

TEST_F(StatementRunnerTest, failureShowsDriverTextUnderTheTagInItsStyle) {
    struct Case {
        const char* tag;
        BoxIcon icon;
        bool topmost;
    };
    for (const Case& c : {Case{"READ_GRUP_B", BoxIcon::None, false},
                          Case{"DELETE_GRUP_A", BoxIcon::Exclamation, false},
                          Case{"INSERT_STOK_RESMI", BoxIcon::Exclamation, true},
                          Case{"READ_SUBE_INFO", BoxIcon::None, true}}) {
        m_boxes.clear();
        EXPECT_EQ(
            m_runner.execute(db::Operation(c.tag), db::schema::groups, "DELETE FROM nosuch ;"),
            db::Outcome::Failed);
        ASSERT_EQ(m_boxes.shown().size(), 1u) << c.tag;
        const platform::BoxRequest& box = m_boxes.shown().front();
        EXPECT_EQ(box.text, QStringLiteral("Table 'groups.nosuch' doesn't exist"));
        EXPECT_EQ(box.caption, QString::fromLatin1(c.tag));
        EXPECT_EQ(box.icon, c.icon) << c.tag;
        EXPECT_EQ(box.topmost, c.topmost) << c.tag;
        EXPECT_EQ(box.buttons, platform::BoxButtons::Ok);
        EXPECT_EQ(box.owner, nullptr);
    }
}

TEST_F(StatementRunnerTest, failuresAtConnectAndSchemaAreReportedToo) {
    test::TestSettings unreachable({{"Server/ipno", "127.0.0.2"}});
    const db::DbConnection nowhere(unreachable);
    const db::StatementRunner runner(nowhere, m_boxes);
    EXPECT_EQ(runner.execute(db::Operation("UPDATE_GRUP_A"), db::schema::groups, "SELECT 1;"),
              db::Outcome::Failed);
    EXPECT_EQ(m_runner.execute(db::Operation("READ_GRUP_C"), "no_such_schema", "SELECT 1;"),
              db::Outcome::Failed);
    ASSERT_EQ(m_boxes.shown().size(), 2u);
    EXPECT_TRUE(m_boxes.shown()[0].text.startsWith(QStringLiteral("Can't connect to server")));
    EXPECT_EQ(m_boxes.shown()[0].caption, QStringLiteral("UPDATE_GRUP_A"));
    EXPECT_EQ(m_boxes.shown()[1].text, QStringLiteral("Unknown database 'no_such_schema'"));
}

// Within a scope the first lost server is told and waited for once; the
// scope is the thread's own, so a call of another thread still tries and
// tells, and so does a call after the scope.
TEST_F(StatementRunnerTest, aLostServerIsToldOncePerScopeAndOnlyToItsThread) {
    test::TestSettings unreachable({{"Server/ipno", "127.0.0.2"}});
    const db::DbConnection nowhere(unreachable);
    const db::StatementRunner runner(nowhere, m_boxes);
    auto tryOnce = [&runner] {
        return runner.execute(db::Operation("UPDATE_GRUP_A"), db::schema::groups, "SELECT 1;");
    };
    std::barrier step(2);
    std::thread worker([&] {
        const db::ServerLossScope scope(runner);
        EXPECT_EQ(tryOnce(), db::Outcome::Failed);
        EXPECT_EQ(tryOnce(), db::Outcome::Failed);
        EXPECT_TRUE(scope.serverLost());
        step.arrive_and_wait(); // the other thread's call runs now
        step.arrive_and_wait();
    });
    step.arrive_and_wait();
    EXPECT_EQ(m_boxes.shown().size(), 1u);
    EXPECT_EQ(tryOnce(), db::Outcome::Failed);
    EXPECT_EQ(m_boxes.shown().size(), 2u);
    step.arrive_and_wait();
    worker.join();
    EXPECT_EQ(tryOnce(), db::Outcome::Failed);
    EXPECT_EQ(m_boxes.shown().size(), 3u);
}

TEST_F(StatementRunnerTest, errorCodeZeroShowsNothingAndSaysItWasInterrupted) {
    // The driver, not the server, complains here: a query that returns no rows,
    // and a column that is not in the result.
    EXPECT_EQ(m_runner.query(db::Operation("READ_BIRIMLER"), db::schema::stocks,
                             "UPDATE units SET type = 1;", [](const db::Row&) {}),
              db::Outcome::Interrupted);
    TestDatabase::exec("INSERT INTO stocks.units(name,type) VALUES('Adet',1),('Kg',2);");
    int rows = 0;
    EXPECT_EQ(m_runner.query(db::Operation("READ_BIRIMLER"), db::schema::stocks,
                             "SELECT name FROM units ORDER BY name;",
                             [&](const db::Row& row) {
                                 ++rows;
                                 row.integer(7);
                             }),
              db::Outcome::Interrupted);
    EXPECT_EQ(rows, 1);
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(StatementRunnerTest, listReadFailingHalfwayKeepsItsRows) {
    TestDatabase::exec(
        "INSERT INTO stocks.units(name,type) VALUES('a',1),('b',1),('c',1),('d',1);");
    std::vector<std::string> names;
    const db::Outcome outcome = m_runner.query(
        db::Operation("READ_BIRIMLER"), db::schema::stocks, "SELECT name FROM units ORDER BY name;",
        [&](const db::Row& row) {
            if (names.size() == 2)
                throw sql::SQLException("Lost connection to server during query", "HY000", 2013);
            names.push_back(row.bytes(1));
        });
    EXPECT_EQ(outcome, db::Outcome::Failed);
    EXPECT_EQ(names, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(m_boxes.texts(),
              QStringList{QStringLiteral("Lost connection to server during query")});
}

TEST_F(StatementRunnerTest, queryFirstReadsOnlyTheFirstRow) {
    TestDatabase::exec("INSERT INTO stocks.units(name,type) VALUES('Gr',3),('Lt',4);");
    int calls = 0;
    int type = 0;
    EXPECT_EQ(m_runner.queryFirst(db::Operation("READ_BIRIMLER"), db::schema::stocks,
                                  "SELECT type FROM units ORDER BY name DESC; ",
                                  [&](const db::Row& row) {
                                      ++calls;
                                      type = row.integer(1);
                                  }),
              db::Outcome::Completed);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(type, 4);
}

TEST_F(StatementRunnerTest, everyStatementOfABatchRunsAndALaterErrorSurfaces) {
    EXPECT_EQ(m_runner.execute(db::Operation("INSERT_URUN_SIRA"), db::schema::stocks,
                               "INSERT INTO units(name,type) VALUES('a',1); "
                               "INSERT INTO units(name,type) VALUES('b',1);"
                               "INSERT INTO units(name,type) VALUES('c',1);"),
              db::Outcome::Completed);
    EXPECT_EQ(unitNames(), (std::vector<std::string>{"a", "b", "c"}));

    EXPECT_EQ(m_runner.execute(db::Operation("INSERT_URUN_SIRA"), db::schema::stocks,
                               "INSERT INTO units(name,type) VALUES('d',1); "
                               "INSERT INTO nosuch(name) VALUES('x'); "
                               "INSERT INTO units(name,type) VALUES('e',1);"),
              db::Outcome::Failed);
    EXPECT_EQ(m_boxes.texts(), QStringList{QStringLiteral("Table 'stocks.nosuch' doesn't exist")});
    // No transactions: what ran before the error stays, nothing after it runs.
    EXPECT_EQ(unitNames(), (std::vector<std::string>{"a", "b", "c", "d"}));
}

TEST_F(StatementRunnerTest, procedureValueIsReadOnTheConnectionOfItsCall) {
    std::vector<long long> numbers;
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(
            m_runner.callThenSelect(db::Operation("GET_SYNCH_ID"), db::schema::subetransfer,
                                    " CALL GET_SYNCH_ID(@islemNo); ", "SELECT @islemNo AS _reply",
                                    [&](const db::Row& row) { numbers.push_back(row.int64(1)); }),
            db::Outcome::Completed);
    }
    ASSERT_EQ(numbers.size(), 2u);
    EXPECT_GT(numbers[0], 0);
    EXPECT_EQ(numbers[1], numbers[0] + 1);
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(StatementRunnerTest, journalKeepsSchemaAndTextInOrder) {
    db::StatementJournal journal;
    m_runner.setJournal(&journal);
    (void)m_runner.execute(db::Operation("X"), db::schema::stocks, "DELETE FROM units;");
    (void)m_runner.callThenSelect(db::Operation("GET_SYNCH_ID"), db::schema::subetransfer,
                                  " CALL GET_SYNCH_ID(@islemNo); ", "SELECT @islemNo AS _reply",
                                  [](const db::Row&) {});
    const auto entries = journal.entries();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].schema, "stocks");
    EXPECT_EQ(entries[0].text, "DELETE FROM units;");
    EXPECT_EQ(entries[1].schema, "subetransfer");
    EXPECT_EQ(entries[2].text, "SELECT @islemNo AS _reply");
}

TEST_F(StatementRunnerTest, aTransactionWritesAllOrNothingAndShowsOneBox) {
    const db::Operation insert("INSERT_BIRIM");
    const auto unit = [](const char* name) {
        return std::string("INSERT INTO units(name,type) VALUES('") + name + "',1);";
    };
    enum class End { Commit, FailThenCommit, Drop, Rollback, JoinedThenOuterRollback };
    struct Case {
        End end;
        std::vector<std::string> names;
        int boxes;
    };
    for (const Case& c : {Case{End::Commit, {"a", "b", "c"}, 0}, Case{End::FailThenCommit, {}, 1},
                          Case{End::Drop, {}, 0}, Case{End::Rollback, {}, 0},
                          Case{End::JoinedThenOuterRollback, {}, 0}}) {
        (void)m_runner.execute(insert, db::schema::stocks, "DELETE FROM units;");
        m_boxes.clear();
        {
            db::Transaction change(m_runner, insert);
            EXPECT_TRUE(m_runner.inTransaction());
            EXPECT_EQ(m_runner.execute(insert, db::schema::stocks, unit("a") + unit("b")),
                      db::Outcome::Completed);
            if (c.end == End::JoinedThenOuterRollback) {
                db::Transaction inner(m_runner, insert);
                EXPECT_EQ(db::executeAsOne(m_runner, insert, db::schema::stocks, {unit("c")}),
                          db::Outcome::Completed);
                EXPECT_EQ(inner.commit(), db::Outcome::Completed);
                change.rollback();
            } else if (c.end == End::FailThenCommit) {
                EXPECT_EQ(m_runner.execute(db::Operation("INSERT_URUN_SIRA"), db::schema::stocks,
                                           "INSERT INTO nosuch(name) VALUES('x');"),
                          db::Outcome::Failed);
                // Later calls of the change fail quietly; so does its commit.
                EXPECT_EQ(m_runner.execute(insert, db::schema::stocks, unit("c")),
                          db::Outcome::Failed);
                EXPECT_EQ(change.commit(), db::Outcome::Failed);
            } else if (c.end == End::Commit) {
                EXPECT_EQ(m_runner.execute(insert, db::schema::stocks, unit("c")),
                          db::Outcome::Completed);
                EXPECT_EQ(change.commit(), db::Outcome::Completed);
            } else if (c.end == End::Rollback) {
                change.rollback();
                EXPECT_EQ(m_runner.execute(insert, db::schema::stocks, unit("c")),
                          db::Outcome::Failed);
            }
        }
        EXPECT_FALSE(m_runner.inTransaction());
        EXPECT_EQ(unitNames(), c.names) << static_cast<int>(c.end);
        EXPECT_EQ(m_boxes.shown().size(), static_cast<std::size_t>(c.boxes));
        if (c.boxes == 1) {
            EXPECT_EQ(m_boxes.shown().front().caption, QStringLiteral("INSERT_URUN_SIRA"));
        }
    }
}
