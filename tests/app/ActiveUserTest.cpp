#include "app/ActiveUser.h"

#include "DatabaseTest.h"
#include "TestSettings.h"
#include "UserFixtures.h"
#include "db/StatementJournal.h"

using namespace parvela;
using test::addUser;

namespace {

class ActiveUserTest : public test::DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        m_user.runner().setJournal(&m_journal);
    }

    test::TestSettings m_settings;
    app::ActiveUser m_user{m_settings, m_boxes};
    db::StatementJournal m_journal;
};

} // namespace

TEST_F(ActiveUserTest, permissionStatementsAreSentAsTheSuiteWritesThem) {
    addUser(1, "1001", "1234", true, true, true);
    m_user.setCredentials(QStringLiteral("1001"), "1234");
    EXPECT_EQ(m_user.checkModulePermission(), 1);
    EXPECT_EQ(m_user.checkBranchPermission(), 1);
    const auto entries = m_journal.entries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].schema, "users");
    EXPECT_EQ(entries[0].text,
              "SELECT yetkiler.urunyonet,accounts.active,accounts.usercode,accounts.password "
              "FROM yetkiler INNER JOIN accounts ON accounts.userid = yetkiler.userid  WHERE "
              "accounts.usercode = _latin5'1001' AND "
              "accounts.password = '1234';");
    EXPECT_EQ(entries[1].text,
              "SELECT yetkiler.subebaglan,accounts.active,accounts.usercode,accounts.password "
              "FROM yetkiler INNER JOIN accounts ON accounts.userid = yetkiler.userid  WHERE "
              "accounts.usercode = _latin5'1001' AND "
              "accounts.password = '1234';");
    EXPECT_TRUE(m_user.isActive());
    EXPECT_TRUE(m_user.mayManageProducts());
    EXPECT_TRUE(m_user.mayConnectBranches());
}

TEST_F(ActiveUserTest, answersByTheAccountAndItsRights) {
    addUser(1, "kasa", "11", true, false, false);
    addUser(2, "eski", "22", false, true, true);
    addUser(3, "müdür", "33", true, true, false);

    m_user.setCredentials(QStringLiteral("kasa"), "11");
    EXPECT_EQ(m_user.checkModulePermission(), 1);
    EXPECT_TRUE(m_user.isActive());
    EXPECT_FALSE(m_user.mayManageProducts());

    m_user.clearFlags();
    m_user.setCredentials(QStringLiteral("eski"), "22");
    EXPECT_EQ(m_user.checkModulePermission(), -1);
    EXPECT_TRUE(m_user.mayManageProducts());
    EXPECT_FALSE(m_user.isActive());

    m_user.clearFlags();
    m_user.setCredentials(QStringLiteral("müdür"), "33");
    EXPECT_EQ(m_user.checkModulePermission(), 1);
    EXPECT_EQ(m_user.checkBranchPermission(), 1);
    EXPECT_FALSE(m_user.mayConnectBranches());

    m_user.clearFlags();
    m_user.setCredentials(QStringLiteral("müdür"), "34");
    EXPECT_EQ(m_user.checkModulePermission(), -1);
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(ActiveUserTest, quotesInTheLoginCannotEndTheLiteral) {
    addUser(1, "1001", "1234", true, true, true);
    m_user.setCredentials(QStringLiteral("x' OR '1'='1"), "1' OR '1'='1");
    EXPECT_EQ(m_user.checkModulePermission(), -1);
    EXPECT_FALSE(m_user.isActive());
    EXPECT_TRUE(m_boxes.shown().empty());
    EXPECT_EQ(m_journal.texts().at(0),
              "SELECT yetkiler.urunyonet,accounts.active,accounts.usercode,accounts.password "
              "FROM yetkiler INNER JOIN accounts ON accounts.userid = yetkiler.userid  WHERE "
              "accounts.usercode = _latin5'x\\' OR "
              "\\'1\\'=\\'1' AND accounts.password = '1\\' OR \\'1\\'';");
}

TEST_F(ActiveUserTest, unreachableServerIsReportedAndAnswersMinusTwo) {
    test::TestSettings unreachable({{"Server/ipno", "127.0.0.2"}});
    app::ActiveUser user(unreachable, m_boxes);
    user.setCredentials(QStringLiteral("1001"), "1234");
    EXPECT_EQ(user.checkModulePermission(), -2);
    ASSERT_EQ(m_boxes.shown().size(), 1u);
    EXPECT_EQ(m_boxes.shown()[0].caption, QStringLiteral("if_User_URUN_YONETIR"));
    EXPECT_EQ(m_boxes.shown()[0].icon, platform::BoxIcon::Exclamation);
    EXPECT_FALSE(user.isActive());
}

TEST_F(ActiveUserTest, keepsAtMost39CharactersAnd9Digits) {
    m_user.setCredentials(QString(45, QLatin1Char('k')), "1234567890");
    EXPECT_EQ(m_user.userCode().size(), 39);
    EXPECT_NE(m_user.modulePermissionStatement().find("password = '123456789';"),
              std::string::npos);
}
