#include "app/Application.h"

#include "DatabaseTest.h"
#include "ListeningProgram.h"
#include "UserFixtures.h"
#include "app/MainWindow.h"
#include "platform/Notifications.h"
#include "platform/ProgramMessenger.h"
#include "platform/WindowMessages.h"

#include <QSysInfo>
#include <QTest>

using namespace parvela;
using test::addUser;

namespace {

class ApplicationTest : public test::DatabaseTest {
protected:
    void TearDown() override {
        m_application.settings().setValue(QStringLiteral("Login/developerMachines"), QString());
    }

    app::Application m_application{m_boxes};
    test::ScriptedLoginPrompt m_prompt;
};

} // namespace

TEST_F(ApplicationTest, loginThenMaximisedMainWindow) {
    addUser(1, "1001", "1234", true, true, true);
    test::TestDatabase::exec(
        "INSERT INTO company.maininfo(compname,compfolder,mustID) VALUES('Lezzet Sofrası','x',1);");
    m_prompt.enter(QStringLiteral("1001"), "1234");
    EXPECT_EQ(m_application.start(m_prompt), std::nullopt);
    app::MainWindow* window = m_application.mainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Parvela_Yonetim"));
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(m_application.catalog().company().name, QStringLiteral("Lezzet Sofrası"));
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(ApplicationTest, cancelledLoginEndsWithExitCodeOne) {
    EXPECT_EQ(m_application.start(m_prompt), 1);
    EXPECT_EQ(m_application.mainWindow(), nullptr);
    // Nothing is read before the login.
    EXPECT_EQ(m_application.barcodes().intercodeText(), "");
}

TEST_F(ApplicationTest, theStockEditorDrawsBarcodesAfterTheLogin) {
    addUser(1, "1001", "1234", true, true, true);
    test::TestDatabase::exec(
        "INSERT INTO company.barcode (intercode, firmacode) VALUES (869, 52340);");
    m_prompt.enter(QStringLiteral("1001"), "1234");
    ASSERT_EQ(m_application.start(m_prompt), std::nullopt);
    EXPECT_EQ(m_application.barcodes().intercode(), 869);
    EXPECT_EQ(m_application.barcodes().firmacode(), 52340);
    stock::LabelActions& labels = m_application.stockFeatures().labels;
    EXPECT_EQ(labels.newBarcode(stock::LabelActions::Barcode::National, nullptr), "8691000000019");
    EXPECT_EQ(labels.newBarcode(stock::LabelActions::Barcode::InStore, nullptr), "2701000000028");
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(ApplicationTest, developerMachineSkipsTheLogin) {
    m_application.settings().setValue(QStringLiteral("Login/developerMachines"),
                                      QSysInfo::machineHostName().toUpper());
    EXPECT_EQ(m_application.start(m_prompt), std::nullopt);
    EXPECT_EQ(m_prompt.asked(), 0);
    EXPECT_FALSE(m_application.user().mayManageProducts());
    EXPECT_FALSE(m_application.user().mayConnectBranches());
    EXPECT_NE(m_application.mainWindow(), nullptr);
}

TEST_F(ApplicationTest, mainWindowTakesMessagesFromOtherPrograms) {
    addUser(1, "1001", "1234", true, true, true);
    m_prompt.enter(QStringLiteral("1001"), "1234");
    ASSERT_EQ(m_application.start(m_prompt), std::nullopt);
    app::MainWindow* window = m_application.mainWindow();
    window->showNormal();
    const QString statusBefore = window->screenState().uploadStatus;
    bool delivered = false;
    std::thread sender([&] {
        const platform::ProgramMessenger messenger;
        // This program's own job messages carry a value: from outside they
        // are dropped, never read as a job's report.
        for (const int own : {platform::msg::kCataloguePublished, platform::msg::kSheetRead,
                              platform::msg::kSheetImported})
            messenger.send(QStringLiteral("Parvela_Yonetim"), own);
        delivered = messenger.send(QStringLiteral("Parvela_Yonetim"), platform::msg::kBringToFront);
    });
    QTRY_VERIFY_WITH_TIMEOUT(window->windowState() & Qt::WindowMaximized, 5000);
    sender.join();
    EXPECT_TRUE(delivered);
    EXPECT_EQ(window->screenState().uploadCount, 0);
    EXPECT_EQ(window->screenState().uploadStatus, statusBefore);
}

TEST(Notifications, reachTheSuitesProgramsByTitle) {
    const platform::ProgramMessenger messenger(500);
    EXPECT_FALSE(platform::notifyRestaurantProgram(messenger));
    test::ListeningProgram restaurant(QStringLiteral("yonetim_rest"));
    EXPECT_TRUE(platform::notifyRestaurantProgram(messenger));
    EXPECT_EQ(restaurant.received(), std::vector<int>{4377});
}
