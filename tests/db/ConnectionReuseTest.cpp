#include "DatabaseTest.h"
#include "PrivateServer.h"
#include "TestSettings.h"
#include "db/DatabaseThread.h"
#include "db/DbConnection.h"
#include "db/Row.h"
#include "db/StatementJournal.h"
#include "db/StatementRunner.h"
#include "db/Transaction.h"

#include <algorithm>
#include <chrono>
#include <functional>
#include <set>
#include <thread>

using namespace parvela;
using test::TestDatabase;
using Clock = std::chrono::steady_clock;

namespace {

const QString kRestartedAddress = QStringLiteral("127.0.0.31");

long long statusValue(const std::string& name) {
    return std::stoll(TestDatabase::query("SHOW GLOBAL STATUS LIKE '" + name + "'").at(0).at(1));
}

// Connections open now, not counting the one asking; waits a little for
// closed ones to leave (the server ends their threads on its own time).
long long connectionsOpenNow(long long expected) {
    long long open = 0;
    for (int i = 0; i < 50; ++i) {
        open = statusValue("Threads_connected") - 1;
        if (open == expected)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return open;
}

class ConnectionReuseTest : public test::DatabaseTest {
protected:
    static db::Outcome selectOne(const db::StatementRunner& runner, std::string_view schemaName,
                                 long long* connectionId = nullptr) {
        return runner.queryFirst(db::Operation("READ_BIRIMLER"), schemaName,
                                 "SELECT CONNECTION_ID();", [&](const db::Row& row) {
                                     if (connectionId != nullptr)
                                         *connectionId = row.int64(1);
                                 });
    }

    static long long outValue(const db::StatementRunner& runner, const char* procedure,
                              const char* variable, std::string_view schemaName) {
        long long value = -1;
        const db::Outcome outcome =
            runner.callThenSelect(db::Operation(procedure), schemaName,
                                  std::string(" CALL ") + procedure + "(" + variable + "); ",
                                  std::string("SELECT ") + variable + " AS _reply",
                                  [&](const db::Row& row) { value = row.int64(1); });
        EXPECT_EQ(outcome, db::Outcome::Completed) << procedure;
        return value;
    }

    // Past the time a connection is taken without a ping.
    static void idleBeyondTrust(Clock::time_point since) {
        std::this_thread::sleep_until(since + db::StatementRunner::kTrustedIdle +
                                      std::chrono::milliseconds(300));
    }
};

} // namespace

// The probe's connection serves every call of the thread, transactions too;
// a worker thread has one of its own, kept for the next worker when the
// thread ends, and the runner's end closes them all.
TEST_F(ConnectionReuseTest, callsOfOneThreadGoOverOneConnection) {
    const long long openBefore = connectionsOpenNow(0);
    // Each reading of the counter opens one connection of its own.
    const long long before = statusValue("Connections");
    {
        test::TestSettings settings;
        const db::DbConnection connection(settings);
        const db::StatementRunner runner(connection, m_boxes);
        for (const std::string_view schemaName :
             {db::schema::stocks, db::schema::groups, db::schema::stocks, db::schema::subetransfer})
            EXPECT_EQ(selectOne(runner, schemaName), db::Outcome::Completed);
        (void)outValue(runner, "GET_SYNCH_ID", "@islemNo", db::schema::subetransfer);
        {
            db::Transaction change(runner, db::Operation("INSERT_BIRIM"));
            EXPECT_EQ(runner.execute(db::Operation("INSERT_BIRIM"), db::schema::stocks,
                                     "INSERT INTO units(name,type) VALUES('a',1);"),
                      db::Outcome::Completed);
            EXPECT_EQ(change.commit(), db::Outcome::Completed);
        }
        EXPECT_EQ(selectOne(runner.withBoxes(m_boxes), db::schema::stocks), db::Outcome::Completed);
        EXPECT_EQ(statusValue("Connections") - before - 1, 1);

        // One worker after another: the second takes the first's connection.
        std::set<long long> workersConnections;
        for (int job = 0; job < 2; ++job) {
            std::thread worker([&runner, &workersConnections] {
                const db::DatabaseThread thread;
                for (int i = 0; i < 3; ++i) {
                    long long id = 0;
                    EXPECT_EQ(selectOne(runner, db::schema::stocks, &id), db::Outcome::Completed);
                    workersConnections.insert(id);
                }
            });
            worker.join();
        }
        EXPECT_EQ(workersConnections.size(), 1u);
        EXPECT_EQ(statusValue("Connections") - before - 2, 2);
        EXPECT_EQ(connectionsOpenNow(openBefore + 2), openBefore + 2);
    }
    EXPECT_EQ(connectionsOpenNow(openBefore), openBefore);
    EXPECT_TRUE(m_boxes.shown().empty());
}

// The procedures answer through per-connection state (a user variable, the
// last insert id): interleaved with each other, with inserts and with another
// thread's calls on the same runner, each call reads its own value.
TEST_F(ConnectionReuseTest, procedureValuesStayRightWhenCallsInterleave) {
    test::TestSettings settings;
    const db::DbConnection connection(settings);
    const db::StatementRunner runner(connection, m_boxes);
    for (int round = 0; round < 3; ++round) {
        const long long barcode =
            outValue(runner, "GET_NEW_BARCODE_NO", "@BarcodeNO", db::schema::stocks);
        EXPECT_EQ(runner.execute(db::Operation("INSERT_BIRIM"), db::schema::stocks,
                                 "INSERT INTO units(name,type) VALUES('x" + std::to_string(round) +
                                     "',1);"),
                  db::Outcome::Completed);
        const long long synch =
            outValue(runner, "GET_SYNCH_ID", "@islemNo", db::schema::subetransfer);
        EXPECT_EQ(barcode,
                  std::stoll(TestDatabase::scalar("SELECT son_no FROM stocks.barkod_sayac")));
        EXPECT_EQ(synch,
                  std::stoll(TestDatabase::scalar("SELECT son_no FROM subetransfer.islem_sayac")));
    }

    constexpr int kCalls = 20;
    std::vector<long long> numbers[2];
    auto calls = [&runner, &numbers](int which) {
        const db::DatabaseThread thread;
        for (int i = 0; i < kCalls; ++i)
            numbers[which].push_back(
                outValue(runner, "GET_SYNCH_ID", "@islemNo", db::schema::subetransfer));
    };
    std::thread first(calls, 0);
    std::thread second(calls, 1);
    first.join();
    second.join();
    std::set<long long> distinct;
    for (const std::vector<long long>& series : numbers) {
        EXPECT_TRUE(std::is_sorted(series.begin(), series.end()));
        distinct.insert(series.begin(), series.end());
    }
    EXPECT_EQ(distinct.size(), 2u * kCalls);
    EXPECT_TRUE(m_boxes.shown().empty());
}

// A connection that went away while idle is opened anew before the next
// call, which works without a box.
TEST_F(ConnectionReuseTest, aConnectionLostWhileIdleIsOpenedAgain) {
    struct Case {
        const char* name;
        QString address;
        // Done before the owner connects; undone by `lose`.
        std::function<void()> prepare;
        std::function<void(long long connectionId)> lose;
    };
    std::unique_ptr<test::PrivateServer> restarted;
    const std::string waitTimeout = TestDatabase::scalar("SELECT @@GLOBAL.wait_timeout");
    const std::vector<Case> cases{
        {"killed by another session", test::serverHost(), [] {},
         [](long long id) {
             TestDatabase::exec("KILL CONNECTION " + std::to_string(id));
         }},
        {"dropped after wait_timeout", test::serverHost(),
         [] { TestDatabase::exec("SET GLOBAL wait_timeout = 1;"); },
         [&waitTimeout](long long) {
             TestDatabase::exec("SET GLOBAL wait_timeout = " + waitTimeout + ";");
             std::this_thread::sleep_for(std::chrono::milliseconds(1500));
         }},
        {"server restarted", kRestartedAddress,
         [&restarted] {
             restarted = std::make_unique<test::PrivateServer>(kRestartedAddress);
             restarted->start();
         },
         [&restarted](long long) {
             restarted->stop();
             restarted->start();
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_boxes.clear();
        c.prepare();
        test::TestSettings settings({{QStringLiteral("Server/ipno"), c.address}});
        const db::DbConnection connection(settings);
        const db::StatementRunner runner(connection, m_boxes);
        long long before = 0;
        ASSERT_EQ(selectOne(runner, db::schema::stocks, &before), db::Outcome::Completed);
        const Clock::time_point used = Clock::now();
        c.lose(before);
        idleBeyondTrust(used);
        long long after = 0;
        EXPECT_EQ(selectOne(runner, db::schema::stocks, &after), db::Outcome::Completed);
        EXPECT_NE(after, before);
        EXPECT_TRUE(m_boxes.shown().empty()) << m_boxes.texts().join(u'|').toStdString();
    }
}

// Inside a transaction a lost connection fails the change whole, with its
// one box, and no statement is sent again.
TEST_F(ConnectionReuseTest, aConnectionLostInsideATransactionFailsTheChangeWhole) {
    test::TestSettings settings;
    const db::DbConnection connection(settings);
    db::StatementRunner runner(connection, m_boxes);
    db::StatementJournal journal;
    runner.setJournal(&journal);
    const std::string second = "INSERT INTO units(name,type) VALUES('b',1);";
    {
        db::Transaction change(runner, db::Operation("INSERT_BIRIM"));
        EXPECT_EQ(runner.execute(db::Operation("INSERT_BIRIM"), db::schema::stocks,
                                 "INSERT INTO units(name,type) VALUES('a',1);"),
                  db::Outcome::Completed);
        long long id = 0;
        ASSERT_EQ(selectOne(runner, db::schema::stocks, &id), db::Outcome::Completed);
        TestDatabase::exec("KILL CONNECTION " + std::to_string(id));
        EXPECT_EQ(runner.execute(db::Operation("INSERT_URUN_SIRA"), db::schema::stocks, second),
                  db::Outcome::Failed);
        EXPECT_EQ(change.commit(), db::Outcome::Failed);
    }
    EXPECT_EQ(TestDatabase::count("stocks.units"), 0);
    ASSERT_EQ(m_boxes.shown().size(), 1u);
    EXPECT_EQ(m_boxes.captions().front(), QStringLiteral("INSERT_URUN_SIRA"));
    const auto entries = journal.entries();
    EXPECT_EQ(std::count_if(entries.begin(), entries.end(),
                            [&](const auto& entry) { return entry.text == second; }),
              1);
    // The next call, outside the change, goes on a new connection.
    EXPECT_EQ(selectOne(runner, db::schema::stocks), db::Outcome::Completed);
    EXPECT_EQ(m_boxes.shown().size(), 1u);
}

// 127.0.0.3 refuses: the owner goes on the next server of the list, and so
// does every other owner from then on.
TEST_F(ConnectionReuseTest, theNextServerAnswersWhenTheFirstRefuses) {
    test::TestSettings settings({{QStringLiteral("Server/ipno"), QStringLiteral("127.0.0.3")},
                                 {QStringLiteral("Server/otherHosts"),
                                  QStringLiteral("127.0.0.4, ") + test::serverHost()}});
    const db::DbConnection connection(settings);
    const db::StatementRunner runner(connection, m_boxes);
    EXPECT_EQ(selectOne(runner, db::schema::stocks), db::Outcome::Completed);
    EXPECT_EQ(connection.host(), test::serverHost().toStdString());
    EXPECT_EQ(connection.hostLeftBehind(), "127.0.0.3");
    EXPECT_EQ(connection.url(), "tcp://127.0.0.3:3306");

    const long long refusedBefore = TestDatabase::abortedConnects();
    const db::DbConnection another(settings);
    EXPECT_EQ(another.host(), test::serverHost().toStdString());
    EXPECT_EQ(selectOne(db::StatementRunner(another, m_boxes), db::schema::groups),
              db::Outcome::Completed);
    EXPECT_EQ(TestDatabase::abortedConnects(), refusedBefore);
    EXPECT_TRUE(m_boxes.shown().empty());
}
