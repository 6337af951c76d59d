#include "app/Login.h"

#include "DatabaseTest.h"
#include "PrintQString.h"
#include "TestSettings.h"
#include "UserFixtures.h"
#include "app/ActiveUser.h"
#include "platform/MachineInfo.h"

using namespace parvela;
using test::addUser;

namespace {

class LoginTest : public test::DatabaseTest {
protected:
    app::LoginResult logIn() { return app::logIn(m_prompt, m_user, m_boxes); }

    test::TestSettings m_settings;
    app::ActiveUser m_user{m_settings, m_boxes};
    test::ScriptedLoginPrompt m_prompt;
};

} // namespace

TEST_F(LoginTest, asksUntilAnActiveUserWithTheRightLogsIn) {
    addUser(1, "1001", "1234", true, true, false);
    m_prompt.enter(QStringLiteral("nobody"), "1");
    m_prompt.enter(QStringLiteral("1001"), "9999");
    m_prompt.enter(QStringLiteral("1001"), "1234");
    EXPECT_EQ(logIn(), app::LoginResult::LoggedIn);
    EXPECT_EQ(m_prompt.asked(), 3);
    EXPECT_EQ(m_boxes.texts(), QStringList({app::kUserNotActive, app::kUserNotActive}));
    EXPECT_EQ(m_boxes.captions(), QStringList({app::kLoginCaption, app::kLoginCaption}));
    EXPECT_EQ(m_boxes.shown()[0].icon, platform::BoxIcon::Exclamation);
    EXPECT_EQ(m_boxes.shown()[0].owner, nullptr);
    EXPECT_TRUE(m_user.mayManageProducts());
}

TEST_F(LoginTest, eachAttemptJudgesOnlyTheUserJustEntered) {
    addUser(1, "kasa", "11", true, false, false);
    addUser(2, "eski", "22", false, true, false);
    m_prompt.enter(QStringLiteral("kasa"), "11");
    m_prompt.enter(QStringLiteral("eski"), "22");
    EXPECT_EQ(logIn(), app::LoginResult::Cancelled);
    EXPECT_EQ(m_boxes.texts(), QStringList({app::kNoModuleRight, app::kUserNotActive}));
    EXPECT_EQ(m_boxes.texts()[0], QStringLiteral("Bu modülü kullanmaya yetkili değilsiniz."));
    EXPECT_EQ(m_boxes.texts()[1], QStringLiteral("Bu modülü kullanıcı aktif degil."));
    EXPECT_EQ(m_boxes.captions()[0], QStringLiteral("MODÜL YETKİ SERVİSİ"));
}

// The server's collation ignores case and trailing blanks; the login does
// not: only the code and password exactly as stored let the user in.
TEST_F(LoginTest, theCodeAndThePasswordMustMatchExactly) {
    addUser(1, "Kasa", "Gizli1", true, true, false);
    addUser(2, "müdür", "33", true, true, false);
    const struct {
        const char* code;
        const char* password;
        bool in;
    } cases[] = {
        {"Kasa", "Gizli1", true},   {"Kasa", "gizli1", false}, {"Kasa", "GİZLİ1", false},
        {"Kasa", "Gizli1 ", false}, {"kasa", "Gizli1", false}, {"KASA", "Gizli1", false},
        {"Kasa ", "Gizli1", false}, {"müdür", "33", true},     {"MÜDÜR", "33", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.code) + " / " + c.password);
        m_boxes.clear();
        m_prompt.enter(QString::fromUtf8(c.code), c.password);
        EXPECT_EQ(logIn(), c.in ? app::LoginResult::LoggedIn : app::LoginResult::Cancelled);
        EXPECT_EQ(m_boxes.texts(), c.in ? QStringList() : QStringList{app::kUserNotActive});
        EXPECT_EQ(m_user.mayManageProducts(), c.in);
    }
}

TEST_F(LoginTest, cancelEndsAtOnceWithoutABox) {
    EXPECT_EQ(logIn(), app::LoginResult::Cancelled);
    EXPECT_EQ(m_prompt.asked(), 1);
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(LoginTest, injectionDoesNotLogIn) {
    addUser(1, "1001", "1234", true, true, true);
    m_prompt.enter(QStringLiteral("x' OR '1'='1"), "1");
    EXPECT_EQ(logIn(), app::LoginResult::Cancelled);
    EXPECT_EQ(m_boxes.texts(), QStringList{app::kUserNotActive});
}

TEST_F(LoginTest, unreachableServerShowsItsErrorThenTheLoginMessage) {
    test::TestSettings unreachable({{"Server/ipno", "127.0.0.2"}});
    app::ActiveUser user(unreachable, m_boxes);
    m_prompt.enter(QStringLiteral("1001"), "1234");
    EXPECT_EQ(app::logIn(m_prompt, user, m_boxes), app::LoginResult::Cancelled);
    ASSERT_EQ(m_boxes.shown().size(), 2u);
    EXPECT_EQ(m_boxes.captions(),
              QStringList({QStringLiteral("if_User_URUN_YONETIR"), app::kLoginCaption}));
    EXPECT_EQ(m_boxes.texts()[1], app::kUserNotActive);
}

TEST(DeveloperMachine, matchesAnyListedNameInAnyCase) {
    const platform::MachineInfo machine(QStringLiteral("DevBox"), QStringLiteral("/"));
    EXPECT_TRUE(
        app::isDeveloperMachine(machine, {QStringLiteral("other"), QStringLiteral("DEVBOX")}));
    EXPECT_FALSE(app::isDeveloperMachine(machine, {}));
    EXPECT_FALSE(app::isDeveloperMachine(machine, {QStringLiteral("DevBox2")}));
}
