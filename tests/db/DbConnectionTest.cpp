#include "db/DbConnection.h"

#include "DatabaseTest.h"
#include "TestSettings.h"
#include "platform/Settings.h"

using namespace parvela;
using test::TestDatabase;
using test::TestSettings;

TEST(ReadServerAddress, readsAtMost39Characters) {
    const QString host39(39, QLatin1Char('h'));
    TestSettings fits({{"Server/ipno", host39}});
    db::DbConnection connection(fits);
    EXPECT_EQ(connection.readServerAddress(fits), 0);
    EXPECT_EQ(connection.host(), host39.toStdString());

    TestSettings tooLong({{"Server/ipno", QString(40, QLatin1Char('h'))}});
    EXPECT_EQ(connection.readServerAddress(tooLong), -1);
    EXPECT_EQ(connection.host(), "");
}

TEST(ReadServerAddress, tellsAMissingValueFromAMissingGroup) {
    TestSettings noValue({{"Server/other", "x"}});
    db::DbConnection connection(noValue);
    EXPECT_EQ(connection.readServerAddress(noValue), -1);

    TestSettings noGroup({{"Paths/root", "/tmp"}});
    EXPECT_EQ(connection.readServerAddress(noGroup), -2);
    EXPECT_EQ(connection.host(), "");
}

TEST(BuildUrl, putsTheHostBetweenProtocolAndPort) {
    TestSettings settings({{"Server/ipno", "127.0.0.1"}});
    db::DbConnection connection(settings);
    EXPECT_EQ(connection.url(), "tcp://127.0.0.1:3306");

    TestSettings empty({{"Paths/root", "/tmp"}});
    db::DbConnection noHost(empty);
    EXPECT_EQ(noHost.url(), "tcp://:3306");
    EXPECT_EQ(noHost.buildUrl(), 11);
    // Nothing to connect to: the probe fails quietly and keeps the first password.
    EXPECT_EQ(noHost.password(), TestDatabase::firstPassword());
    EXPECT_NE(noHost.connect(), 0);
}

class PasswordChoice : public test::DatabaseTest {
protected:
    void TearDown() override { TestDatabase::setRootPassword(TestDatabase::firstPassword()); }
};

TEST_F(PasswordChoice, firstAcceptedSecondNeverTried) {
    const long long refusedBefore = TestDatabase::abortedConnects();
    TestSettings settings;
    db::DbConnection connection(settings);
    EXPECT_EQ(connection.password(), TestDatabase::firstPassword());
    EXPECT_EQ(TestDatabase::abortedConnects(), refusedBefore);
    EXPECT_EQ(connection.connect(), 0);
}

TEST_F(PasswordChoice, accessDeniedSwitchesToTheSecond) {
    TestDatabase::setRootPassword(TestDatabase::secondPassword());
    TestSettings settings;
    db::DbConnection connection(settings);
    EXPECT_EQ(connection.password(), TestDatabase::secondPassword());
    EXPECT_EQ(connection.connect(), 0);
}

TEST_F(PasswordChoice, secondKeptEvenWhenRefusedToo) {
    TestDatabase::setRootPassword("neither_of_them");
    const long long refusedBefore = TestDatabase::abortedConnects();
    TestSettings settings;
    db::DbConnection connection(settings);
    EXPECT_EQ(connection.password(), TestDatabase::secondPassword());
    EXPECT_EQ(TestDatabase::abortedConnects(), refusedBefore + 2);
    EXPECT_EQ(connection.connect(), 1045);
}

TEST_F(PasswordChoice, serverDownKeepsTheFirst) {
    // Nothing listens there: the error is not an access denial.
    TestSettings settings({{"Server/ipno", "127.0.0.2"}});
    db::DbConnection connection(settings);
    EXPECT_EQ(connection.password(), TestDatabase::firstPassword());
    EXPECT_EQ(connection.connect(), 2002);
}

TEST_F(PasswordChoice, settingsOverrideThePasswords) {
    TestDatabase::setRootPassword("site_pw");
    TestSettings settings({{"Server/ipno", test::serverHost()}, {"Server/password2", "site_pw"}});
    db::DbConnection connection(settings);
    EXPECT_EQ(connection.password(), "site_pw");
    EXPECT_EQ(connection.connect(), 0);
}
