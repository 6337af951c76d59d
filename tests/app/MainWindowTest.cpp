#include "app/MainWindow.h"

#include "CatalogFixtures.h"
#include "DatabaseTest.h"
#include "FaultyWebHost.h"
#include "ListeningProgram.h"
#include "ModalDriver.h"
#include "SheetFixtures.h"
#include "TestSettings.h"
#include "UserFixtures.h"
#include "WebServers.h"
#include "app/Application.h"
#include "app/ServerStatus.h"
#include "db/DbConnection.h"
#include "db/StatementJournal.h"
#include "platform/BackgroundJobs.h"
#include "platform/Settings.h"
#include "platform/WindowMessages.h"
#include "publishing/CataloguePublish.h"
#include "publishing/PublishHistory.h"
#include "spreadsheets/DeliverySheet.h"
#include "spreadsheets/MenuImportText.h"
#include "spreadsheets/Workbook.h"
#include "stock/browser/StockBrowserState.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <functional>
#include <optional>

using namespace parvela;
using app::MainButton;
using test::TestDatabase;

namespace {

QPoint centre(const records::Rect& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class MainWindowTest : public test::DatabaseTest {
protected:
    // Logs `code` in and shows the main screen at 1280 × 800.
    app::MainWindow& start(const std::string& code) {
        m_prompt.enter(QString::fromStdString(code), "1234");
        EXPECT_EQ(m_application.start(m_prompt), std::nullopt);
        app::MainWindow& window = *m_application.mainWindow();
        window.showNormal();
        window.resize(1280, 800);
        window.screenState().desktopRight = 1280;
        window.grab();
        return window;
    }

    void click(app::MainWindow& window, QPoint point,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::mouseClick(&window, Qt::LeftButton, modifiers, point);
        window.grab();
    }

    app::Application m_application{m_boxes};
    test::ScriptedLoginPrompt m_prompt;
};

void addBranches() {
    TestDatabase::exec("INSERT INTO company.subeler(firmacode,subekod,subead,ipno,active) VALUES"
                       "(1,1,'Merkez','10.0.0.1',1),(1,2,'Bahçelievler','10.0.0.2',0);");
}

} // namespace

TEST_F(MainWindowTest, branchChoiceNeedsTheRightAndAPlainClick) {
    addBranches();
    test::addUser(1, "mudur", "1234", true, true, true);
    app::MainWindow& window = start("mudur");
    db::StatementJournal journal;
    m_application.user().runner().setJournal(&journal);
    const QPoint secondBox = centre(m_application.catalog().company().branches[1].rect);

    click(window, secondBox, Qt::ShiftModifier);
    click(window, secondBox, Qt::ControlModifier);
    EXPECT_TRUE(journal.texts().empty());
    EXPECT_EQ(m_application.catalog().company().currentBranch.branchCode, 0);

    click(window, secondBox);
    EXPECT_EQ(journal.texts().size(), 1u);
    const auto& company = m_application.catalog().company();
    EXPECT_EQ(company.currentBranch.branchCode, 2);
    EXPECT_TRUE(company.branches[1].selected);
    EXPECT_FALSE(company.branches[0].selected);
}

TEST_F(MainWindowTest, userWithoutTheRightNeverChangesTheBranch) {
    addBranches();
    test::addUser(1, "kasa", "1234", true, true, false);
    app::MainWindow& window = start("kasa");
    click(window, centre(m_application.catalog().company().branches[1].rect));
    EXPECT_EQ(m_application.catalog().company().currentBranch.branchCode, 0);
    EXPECT_FALSE(m_application.catalog().company().branches[1].selected);
}

TEST_F(MainWindowTest, groupWithProductsIsNotDeleted) {
    test::addUser(1, "mudur", "1234", true, true, true);
    test::addGroupA(3331, "Yiyecekler");
    test::addGroupA(3332, "İçecekler");
    test::addProduct({33311, "Adana", 3331});
    app::MainWindow& window = start("mudur");
    const auto& screenA = m_application.catalog().groups().screenA();
    click(window, centre(screenA[1].drawing.buttonRect)); // Yiyecekler
    // The question defaults to No: an Enter by mistake deletes nothing.
    click(window, centre(window.screenState().button(MainButton::DeleteA)));
    ASSERT_EQ(m_boxes.shown().size(), 1u);
    EXPECT_EQ(m_boxes.shown()[0].defaultAnswer, platform::BoxAnswer::No);
    m_boxes.clear();
    m_boxes.queueAnswer(platform::BoxAnswer::Yes);
    click(window, centre(window.screenState().button(MainButton::DeleteA)));
    ASSERT_EQ(m_boxes.shown().size(), 2u);
    EXPECT_EQ(m_boxes.texts()[0],
              QStringLiteral("Yiyecekler  grubunu silmek istediginizden emin misiniz?.."));
    EXPECT_EQ(m_boxes.texts()[1],
              QStringLiteral("Bu gruba bağlı stoklar var. Önce stok tanımlarını siliniz."));
    EXPECT_EQ(m_boxes.captions()[1], QStringLiteral("ÜST KATEGORİ GRUP SİLİNİYOR"));
    EXPECT_EQ(TestDatabase::count("`groups`.classa"), 2);

    m_boxes.clear();
    click(window, centre(screenA[0].drawing.buttonRect)); // İçecekler, no products
    m_boxes.queueAnswer(platform::BoxAnswer::No);
    click(window, centre(window.screenState().button(MainButton::DeleteA)));
    EXPECT_EQ(TestDatabase::count("`groups`.classa"), 2);
    m_boxes.queueAnswer(platform::BoxAnswer::Yes);
    click(window, centre(window.screenState().button(MainButton::DeleteA)));
    EXPECT_EQ(TestDatabase::count("`groups`.classa"), 1);
    EXPECT_EQ(m_application.catalog().groups().screenA().size(), 1u);
}

// After a delete the level shows the siblings of the deleted group, not
// every group of the level.
TEST_F(MainWindowTest, aDeletedGroupBOrCLeavesItsSiblingsOnTheScreen) {
    test::addUser(1, "mudur", "1234", true, true, true);
    test::addGroupA(1, "Yiyecekler");
    test::addGroupA(2, "İçecekler");
    test::addGroupB(1, 11, "Çorbalar");
    test::addGroupB(1, 12, "Tatlılar");
    test::addGroupB(2, 21, "Sıcaklar");
    test::addGroupC(1, 11, 111, "Sulu");
    test::addGroupC(1, 11, 112, "Kremalı");
    test::addGroupC(1, 12, 121, "Sütlü");
    app::MainWindow& window = start("mudur");
    groups::GroupData& groups = m_application.catalog().groups();
    const auto pickNamed = [&](auto& screen, const char* name) {
        for (const auto& group : screen)
            if (group.wideName == QString::fromUtf8(name))
                return click(window, centre(group.drawing.buttonRect));
        ADD_FAILURE() << name << " is not on the screen";
    };
    const auto namesOf = [](const auto& screen) {
        QStringList names;
        for (const auto& group : screen)
            names << group.wideName;
        return names;
    };
    pickNamed(groups.screenA(), "Yiyecekler");
    pickNamed(groups.screenB(), "Tatlılar");
    m_boxes.queueAnswer(platform::BoxAnswer::Yes);
    click(window, centre(window.screenState().button(MainButton::DeleteB)));
    EXPECT_EQ(namesOf(groups.screenB()), QStringList{QStringLiteral("Çorbalar")});

    pickNamed(groups.screenB(), "Çorbalar");
    pickNamed(groups.screenC(), "Kremalı");
    m_boxes.queueAnswer(platform::BoxAnswer::Yes);
    click(window, centre(window.screenState().button(MainButton::DeleteC)));
    EXPECT_EQ(namesOf(groups.screenC()), QStringList{QStringLiteral("Sulu")});
    EXPECT_EQ(TestDatabase::count("`groups`.classc"), 2);
}

TEST_F(MainWindowTest, nothingSelectedIsToldBeforeAnyQuestion) {
    test::addUser(1, "mudur", "1234", true, true, true);
    app::MainWindow& window = start("mudur");
    click(window, centre(window.screenState().button(MainButton::DeleteC)));
    ASSERT_EQ(m_boxes.shown().size(), 1u);
    EXPECT_EQ(m_boxes.texts()[0], QStringLiteral("Herhani bir grup seçilmedi"));
    EXPECT_EQ(m_boxes.captions()[0], QStringLiteral("ALT KATEGORİ GRUP SİLİNİYOR"));
    EXPECT_EQ(m_boxes.shown()[0].owner, &window);
}

TEST_F(MainWindowTest, menuOrderingWhileOpenShowsItsBox) {
    test::addUser(1, "mudur", "1234", true, true, true);
    app::MainWindow& window = start("mudur");
    QWidget ordering;
    window.setChildWindow(app::ChildWindow::MenuOrdering, &ordering);
    click(window, centre(window.screenState().button(MainButton::MenuSiralamasi)));
    ASSERT_EQ(m_boxes.shown().size(), 1u);
    EXPECT_EQ(m_boxes.texts()[0], QStringLiteral("if(IsWindow(CHILD_GRA_SIRA_WINDOW))"));
    EXPECT_EQ(m_boxes.captions()[0], QStringLiteral("FILTER_GRUP_B"));
    // The scale buttons are built: the dialog of the addresses opens.
    test::ModalDriver scales([](QDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), QStringLiteral("148"));
        dialog.reject();
    });
    click(window, centre(window.screenState().button(MainButton::Teraziler)));
    EXPECT_TRUE(scales.seen);
}

TEST_F(MainWindowTest, orderingButtonsOpenTheirWindowsOnce) {
    test::addUser(1, "mudur", "1234", true, true, true);
    app::MainWindow& window = start("mudur");
    click(window, centre(window.screenState().button(MainButton::MenuSiralamasi)));
    QWidget* menu = window.childWindow(app::ChildWindow::MenuOrdering);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->objectName(), QStringLiteral("mdiclient_menu_siralama"));
    click(window, centre(window.screenState().button(MainButton::UrunSiralamasi)));
    click(window, centre(window.screenState().button(MainButton::UrunSiralamasi)));
    QWidget* products = window.childWindow(app::ChildWindow::ProductOrdering);
    ASSERT_NE(products, nullptr);
    EXPECT_EQ(products->windowTitle(), QStringLiteral("ÜRÜN Sıralaması"));
    EXPECT_EQ(window.findChildren<QWidget*>(QStringLiteral("mdiclient_urun_siralama")).size(), 1);
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(MainWindowTest, groupAndSetMenuButtonsOpenTheirDialogs) {
    test::addUser(1, "mudur", "1234", true, true, true);
    test::addGroupA(3331, "Yiyecekler");
    app::MainWindow& window = start("mudur");
    const QPoint addB = centre(window.screenState().button(MainButton::AddB));
    {
        test::ModalDriver none([](QDialog& dialog) { dialog.reject(); });
        click(window, addB);
        QCoreApplication::processEvents();
        EXPECT_FALSE(none.seen);
    }
    ASSERT_EQ(m_boxes.shown().size(), 1u);
    EXPECT_EQ(m_boxes.captions()[0], QStringLiteral("ÜST KATEGORİ SEÇİLMEDİ"));
    EXPECT_EQ(m_boxes.shown()[0].owner, &window);

    click(window, centre(m_application.catalog().groups().screenA()[0].drawing.buttonRect));
    test::ModalDriver addingB([](QDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), QStringLiteral("131"));
        EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("1006"))->text(),
                  QStringLiteral("3331"));
        dialog.findChild<QLineEdit*>(QStringLiteral("1004"))->setText(QStringLiteral("Izgara"));
        dialog.findChild<QPushButton*>(QStringLiteral("1"))->click();
        dialog.findChild<QPushButton*>(QStringLiteral("2"))->click();
    });
    click(window, addB);
    EXPECT_TRUE(addingB.seen);
    EXPECT_EQ(TestDatabase::scalar("SELECT CONCAT(acode,',',bcode) FROM `groups`.classb;"),
              "3331,33312");
    ASSERT_EQ(m_application.catalog().groups().screenB().size(), 1u);

    QString setMenu;
    test::ModalDriver threeCourses([&](QDialog& dialog) {
        setMenu = dialog.objectName();
        dialog.reject();
    });
    click(window, centre(window.screenState().button(MainButton::Tabledot3)));
    EXPECT_EQ(setMenu, QStringLiteral("150"));
    EXPECT_EQ(m_boxes.shown().size(), 1u);
}

TEST_F(MainWindowTest, hepsiReloadsAndTellsTheMobileServer) {
    test::addUser(1, "mudur", "1234", true, true, true);
    app::MainWindow& window = start("mudur");
    window.screenState().pageA = 3;
    test::addProduct({33311, "Yeni ürün"});
    {
        test::ListeningProgram mobileServer(QStringLiteral("Android_Server"));
        click(window, centre(window.screenState().button(MainButton::Hepsi)));
        EXPECT_EQ(mobileServer.received(), std::vector<int>{1109});
    }
    EXPECT_EQ(window.screenState().pageA, 1);
    EXPECT_EQ(m_application.catalog().current()->products.size(), 1u);
    // With nobody listening the reload goes through all the same.
    click(window, centre(window.screenState().button(MainButton::Hepsi)));
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(MainWindowTest, productsOfAGroupAreEditedFromTheStockWindow) {
    test::addUser(1, "mudur", "1234", true, true, true);
    test::addGroupA(3331, "Yiyecekler");
    test::addGroupA(3332, "İçecekler");
    test::addProduct({33311, "Adana Kebap", 3331, 0, 0, false, 40, 180});
    test::addProduct({33321, "Ayran", 3332, 0, 0, false, 5, 20});
    app::MainWindow& window = start("mudur");
    click(window, centre(window.screenState().button(MainButton::ProductsA)));
    EXPECT_EQ(window.childWindow(app::ChildWindow::StockBrowser), nullptr);

    click(window, centre(m_application.catalog().groups().screenA()[1].drawing.buttonRect));
    click(window, centre(window.screenState().button(MainButton::ProductsA)));
    QWidget* browserWindow = window.childWindow(app::ChildWindow::StockBrowser);
    ASSERT_NE(browserWindow, nullptr);
    stock::StockBrowserState& browser = window.stockWindows().browserState();
    const auto shown = [&] {
        return m_application.catalog().current()->products[browser.displayed.at(0).product];
    };
    ASSERT_EQ(browser.displayed.size(), 1u);
    EXPECT_EQ(shown().stname, QStringLiteral("Adana Kebap"));

    browserWindow->grab();
    ASSERT_FALSE(browser.drawnRows.empty());
    QTest::mouseClick(browserWindow, Qt::LeftButton, Qt::NoModifier,
                      centre(browser.drawnRows[0].cells.rowRect));
    QTest::mouseClick(browserWindow, Qt::LeftButton, Qt::NoModifier,
                      centre(browser.button(stock::BrowserButton::Duzenle)));
    QWidget* editor = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible() && top->windowTitle() == QStringLiteral("Stok Tanımı Düzenleniyor"))
            editor = top;
    ASSERT_NE(editor, nullptr);
    QPointer<QWidget> open(editor);
    auto* price = editor->findChild<QLineEdit*>(QStringLiteral("7008"));
    price->clear();
    QTest::keyClicks(price, QStringLiteral("195.50"));
    editor->findChild<QPushButton*>(QStringLiteral("7024"))->click();
    QTRY_VERIFY_WITH_TIMEOUT(open.isNull(), 10000);

    EXPECT_EQ(TestDatabase::scalar("SELECT sellp1 FROM stocks.stckdef WHERE stcode=33311"),
              "195.5000");
    ASSERT_EQ(browser.displayed.size(), 1u);
    EXPECT_DOUBLE_EQ(shown().sellp1, 195.5);
}

TEST_F(MainWindowTest, screenshotsOfTheDemoRestaurant) {
    test::loadDemoRestaurant();
    test::addUser(99, "test", "1234", true, true, true);
    app::MainWindow& window = start("test");
    const QString folder = QDir::currentPath();
    EXPECT_TRUE(window.grab().save(folder + QStringLiteral("/main-screen.png")));

    click(window, centre(window.screenState().button(MainButton::DownB)));
    EXPECT_EQ(window.screenState().pageB, 2);
    EXPECT_TRUE(window.grab().save(folder + QStringLiteral("/main-screen-page2.png")));

    const auto& groups = m_application.catalog().groups().screenA();
    click(window, centre(groups[groups.size() - 1].drawing.buttonRect));
    click(window, centre(m_application.catalog().company().branches[0].rect));
    EXPECT_TRUE(window.grab().save(folder + QStringLiteral("/main-screen-branch.png")));

    // The smallest screen the program is made for: everything on it.
    window.resize(1024, 768);
    window.screenState().desktopRight = 1024;
    window.grab();
    for (std::size_t i = 0; i < static_cast<std::size_t>(MainButton::Count); ++i) {
        const records::Rect& button = window.screenState().button(static_cast<MainButton>(i));
        if (button.right == 0 && button.bottom == 0)
            continue; // not drawn (an arrow of a short list)
        EXPECT_LE(button.right, 1024) << i;
        EXPECT_LE(button.bottom, 740) << i; // under a title bar, a little room is gone
    }
    EXPECT_TRUE(window.grab().save(folder + QStringLiteral("/main-screen-1024.png")));
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(MainWindowTest, theNameRewriteKeepsARenameMadeAtAnotherStation) {
    test::addUser(1, "mudur", "1234", true, true, true);
    test::addProduct({33311, "Adana Kebap", 3331});
    test::addProduct({33312, "Ayran", 3331});
    app::MainWindow& window = start("mudur");
    // Another station renames a product after this one read the list.
    TestDatabase::exec("UPDATE stocks.stckdef SET stname='Acılı Adana' WHERE stcode=33311;");
    click(window, centre(window.screenState().button(MainButton::ConvertTurkishChars)));
    EXPECT_EQ(TestDatabase::scalar("SELECT stname FROM stocks.stckdef WHERE stcode=33311;"),
              "Acılı Adana");
    EXPECT_EQ(TestDatabase::scalar("SELECT stname FROM stocks.stckdef WHERE stcode=33312;"),
              "Ayran");
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(MainWindowTest, aFailedReloadKeepsTheListsItHad) {
    test::addUser(1, "mudur", "1234", true, true, true);
    test::addProduct({33311, "Adana Kebap", 3331});
    test::addProduct({33312, "Ayran", 3331});
    app::MainWindow& window = start("mudur");
    ASSERT_EQ(m_application.catalog().current()->products.size(), 2u);
    TestDatabase::exec("RENAME TABLE stocks.stckdef TO stocks.stckdef_away;");
    click(window, centre(window.screenState().button(MainButton::Hepsi)));
    TestDatabase::exec("RENAME TABLE stocks.stckdef_away TO stocks.stckdef;");
    EXPECT_TRUE(m_boxes.captions().contains(QStringLiteral("READ_STOK_TANIM")));
    EXPECT_EQ(m_application.catalog().current()->products.size(), 2u);
}

TEST_F(MainWindowTest, aPublishingRunSetsTheStatusLineAndCountsOnlySuccesses) {
    test::addUser(1, "mudur", "1234", true, true, true);
    app::MainWindow& window = start("mudur");
    platform::JobEvent published(platform::msg::kCataloguePublished, 1);
    QCoreApplication::sendEvent(&window, &published);
    EXPECT_EQ(window.screenState().uploadStatus, publishing::kPublishedStatus);
    EXPECT_EQ(window.screenState().uploadCount, 1);
    platform::JobEvent failed(platform::msg::kCataloguePublished, 0);
    QCoreApplication::sendEvent(&window, &failed);
    EXPECT_EQ(window.screenState().uploadStatus, publishing::kNotPublishedStatus);
    EXPECT_EQ(window.screenState().uploadCount, 1);
    // A failure's reason goes under the status.
    platform::JobEvent refused(platform::msg::kCataloguePublished, 0,
                               QStringLiteral("insert_stok_tanim.php: HTTP 500"));
    QCoreApplication::sendEvent(&window, &refused);
    EXPECT_EQ(window.screenState().uploadStatus,
              publishing::kNotPublishedStatus +
                  QStringLiteral("\ninsert_stok_tanim.php: HTTP 500"));
}

// The status line names the server the program is on, and the one it left
// when that one did not answer (nothing listens on 127.0.0.5).
TEST_F(MainWindowTest, theStatusLineNamesTheServerAndTheOneLeftBehind) {
    test::addUser(1, "mudur", "1234", true, true, true);
    app::MainWindow& window = start("mudur");
    window.repaint();
    EXPECT_EQ(window.screenState().serverStatus, QStringLiteral("Sunucu: ") + test::serverHost());

    test::TestSettings cluster({{QStringLiteral("Server/ipno"), QStringLiteral("127.0.0.5")},
                                {QStringLiteral("Server/otherHosts"), test::serverHost()}});
    const db::DbConnection moved(cluster);
    EXPECT_EQ(app::serverStatusText(moved),
              QStringLiteral("Sunucu: %1 (127.0.0.5 yanıt vermedi)").arg(test::serverHost()));
}

namespace {

// The program's default settings, which the application reads when it starts.
void setDefaults(std::initializer_list<std::pair<const char*, QString>> values) {
    platform::Settings defaults;
    for (const auto& [key, value] : values)
        defaults.setValue(QString::fromLatin1(key), value);
    defaults.sync();
}

} // namespace

// "Şubelere Gönder" with the web host dying half-way: the branches' files stay
// as they were and the status line says FAILED with the reason under it.
TEST_F(MainWindowTest, sendingToBranchesToAHostDyingHalfWayKeepsTheirFilesAndSaysFailed) {
    test::addUser(1, "mudur", "1234", true, true, true);
    // Ten products: the product file is longer than what the host keeps.
    for (int code = 1; code <= 10; ++code)
        test::addProduct({.stcode = code, .name = "Ürün", .sellp1 = 10});
    TestDatabase::exec("DELETE FROM company.maininfo; INSERT INTO company.maininfo(compname, "
                       "compfolder, mustID) VALUES ('Test Lokanta', 'rest1', 1203);");
    const test::FaultyWebHost dying(test::FaultyWebHost::Side::Ftp,
                                    QStringLiteral("die-after:4096"));
    ASSERT_TRUE(dying.started());
    const QStringList files{QStringLiteral("stokdeffile.txt"), QStringLiteral("stokdef.dat"),
                            QStringLiteral("grupA.dat"), QStringLiteral("grupB.dat"),
                            QStringLiteral("recete.dat")};
    for (const QString& name : files)
        dying.writeRemoteFile(QStringLiteral("rest1/") + name, "old");
    const QTemporaryDir root;
    setDefaults({{"Paths/root", root.path()},
                 {"Web/host", QStringLiteral("127.0.0.1")},
                 {"Web/ftpPort", QString::number(dying.port())}});
    const struct Restore {
        ~Restore() {
            setDefaults({{"Paths/root", QDir::homePath()}, {"Web/host", {}}, {"Web/ftpPort", {}}});
        }
    } restore;
    app::MainWindow& window = start("mudur");

    click(window, centre(window.screenState().button(MainButton::SubelereGonder)));
    EXPECT_TRUE(
        QTest::qWaitFor([&window] { return !window.screenState().uploadStatus.isEmpty(); }, 20000));
    const QString status = window.screenState().uploadStatus;
    EXPECT_TRUE(
        status.startsWith(publishing::kNotPublishedStatus + QStringLiteral("\nstokdef.dat: ")))
        << status.toStdString();
    EXPECT_EQ(window.screenState().uploadCount, 0);
    for (const QString& name : files)
        EXPECT_EQ(dying.remoteFile(QStringLiteral("rest1/") + name), "old") << name.toStdString();
    // The transfer's own box told the failure.
    EXPECT_TRUE(m_boxes.captions().contains(QStringLiteral("FAILED FtpSetCurrentDirectory")))
        << m_boxes.captions().join(u',').toStdString();
}

// "Menüyü Oluştur" reads the pictures, builds, writes and uploads the page
// behind the progress dialog, and keeps the run in the history.
TEST_F(MainWindowTest, menuButtonWritesUploadsAndKeepsThePageOffTheWindowThread) {
    test::addUser(1, "mudur", "1234", true, true, true);
    TestDatabase::exec("DELETE FROM company.maininfo; INSERT INTO company.maininfo(compname, "
                       "compfolder, mustID) VALUES ('Test Lokanta', 'rest1', 1203);");
    const test::WebServers web;
    web.resetFtp({QStringLiteral("rest1/menu")});
    const publishing::WebServer shared = test::WebServers::server();
    setDefaults({{"Web/host", shared.host}, {"Web/ftpPort", QString::number(shared.ftpPort)}});
    const struct Restore {
        ~Restore() { setDefaults({{"Web/host", {}}, {"Web/ftpPort", {}}}); }
    } restore;
    app::MainWindow& window = start("mudur");
    click(window, centre(window.screenState().button(MainButton::MenuyuOlustur)));
    ASSERT_TRUE(QTest::qWaitFor([this] { return !m_boxes.shown().empty(); }, 10000));
    EXPECT_EQ(m_boxes.texts(),
              QStringList{QStringLiteral("Menu dosyasi Web sunucusuna yuklendi...")});
    QFile page(QDir(m_application.machine().digitalMenuFolder()).filePath("index.html"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QByteArray written = page.readAll();
    EXPECT_TRUE(written.contains("Test Lokanta"));
    EXPECT_EQ(web.remoteFile(QStringLiteral("rest1/menu/index.html")), written.toStdString());
    const std::vector<publishing::HistoryRecord> history =
        publishing::readHistory(m_application.machine().transferFolder());
    ASSERT_FALSE(history.empty());
    EXPECT_EQ(history[0].kind, publishing::kMenuKind);
    EXPECT_TRUE(history[0].success);
}

namespace {

// Presses a button of the progress dialog once it shows and `when` holds,
// as a user watching the run would.
class ProgressPress {
public:
    ProgressPress(const char* button, std::function<bool()> when)
        : m_button(button)
        , m_when(std::move(when)) {
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { look(); });
        m_timer.start(20);
    }

private:
    void look() {
        QWidget* shown = QApplication::activeModalWidget();
        if (shown == nullptr || !shown->inherits("parvela::platform::JobProgressDialog") ||
            !m_when())
            return;
        m_timer.stop();
        shown->findChild<QPushButton*>(QString::fromLatin1(m_button))->click();
    }

    const char* m_button;
    std::function<bool()> m_when;
    QTimer m_timer;
};

} // namespace

// "İptal" during "Şubelere Gönder" stops the run: the branches' files stay,
// the status line and the history say it was cancelled. A run left going
// behind "Tamam" keeps a second one from starting beside it.
TEST_F(MainWindowTest, sendingToBranchesCancelledIsKeptAsCancelledAndOneRunsAtATime) {
    test::addUser(1, "mudur", "1234", true, true, true);
    test::addProduct({.stcode = 1, .name = "Ürün", .sellp1 = 10});
    TestDatabase::exec("DELETE FROM company.maininfo; INSERT INTO company.maininfo(compname, "
                       "compfolder, mustID) VALUES ('Test Lokanta', 'rest1', 1203);");
    const test::FaultyWebHost stalling(test::FaultyWebHost::Side::Ftp,
                                       QStringLiteral("stall-after:100"));
    ASSERT_TRUE(stalling.started());
    stalling.writeRemoteFile(QStringLiteral("rest1/stokdeffile.txt"), "old");
    setDefaults({{"Web/host", QStringLiteral("127.0.0.1")},
                 {"Web/ftpPort", QString::number(stalling.port())}});
    const struct Restore {
        ~Restore() { setDefaults({{"Web/host", {}}, {"Web/ftpPort", {}}}); }
    } restore;
    app::MainWindow& window = start("mudur");
    const QPoint send = centre(window.screenState().button(MainButton::SubelereGonder));
    {
        // Once the first file is going up beside the old one.
        const ProgressPress cancel(
            "2", [&stalling] { return stalling.remoteNames(QStringLiteral("rest1")).size() > 1; });
        click(window, send);
    }
    EXPECT_TRUE(
        QTest::qWaitFor([&window] { return !window.screenState().uploadStatus.isEmpty(); }, 5000));
    EXPECT_EQ(window.screenState().uploadStatus,
              publishing::kCancelledPublishStatus +
                  QStringLiteral("\nstokdeffile.txt: İptal edildi"));
    EXPECT_EQ(stalling.remoteFile(QStringLiteral("rest1/stokdeffile.txt")), "old");
    const std::vector<publishing::HistoryRecord> history =
        publishing::readHistory(m_application.machine().transferFolder());
    ASSERT_FALSE(history.empty());
    EXPECT_TRUE(history[0].cancelled);
    EXPECT_EQ(history[0].status, publishing::kCancelledPublishStatus);

    {
        const ProgressPress close("1", [] { return true; });
        click(window, send);
    }
    m_boxes.clear();
    click(window, send);
    EXPECT_EQ(m_boxes.captions(), QStringList{QStringLiteral("Şubelere Gönder")});
    EXPECT_TRUE(m_boxes.texts().value(0).startsWith(
        QStringLiteral("Başka bir yayın sürüyor: mudur kullanıcısı ")))
        << m_boxes.texts().join(u',').toStdString();
}

namespace {

// Picks `path` in the open-file dialog, then lets `onPreview` act on the
// preview that follows.
class SheetChoice {
public:
    SheetChoice(const QString& path, std::function<void(QDialog&)> onPreview)
        : m_files([this, path, onPreview](QDialog& dialog) {
            auto& files = dynamic_cast<QFileDialog&>(dialog);
            // Typed in, as a user would: a selection set while the dialog
            // still lists its folder may be overtaken by that listing.
            files.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
            dialog.accept(); // QFileDialog's own, which takes the selection
            m_preview.emplace(onPreview);
        }) {}

    bool previewSeen() const { return m_preview && m_preview->seen; }

private:
    std::optional<test::ModalDriver> m_preview;
    test::ModalDriver m_files;
};

test::FixtureSheet deliveryMenu() {
    using test::FixtureCell;
    const FixtureCell none;
    auto row = [&none](FixtureCell barcode, const char* name, FixtureCell price) {
        return std::vector<FixtureCell>{barcode, none, QString::fromUtf8(name), none, none, price};
    };
    return {QStringLiteral("Menü"),
            {row(QStringLiteral("Barkod"), "Ürün", QStringLiteral("Fiyat")),
             row(8690000000017.0, "Adana Kebap", 185.5),
             row(QStringLiteral("8691234567895"), "Şiş Köfte", QStringLiteral("12,50")),
             row(none, "Ayran", 15.0)}};
}

long long importedCount() {
    return std::stoll(
        TestDatabase::scalar("SELECT COUNT(*) FROM stocks.stckdef WHERE stcode LIKE '777%'"));
}

} // namespace

TEST_F(MainWindowTest, theDeliveryMenuIsPreviewedAndInsertedOnlyWhenConfirmed) {
    test::addUser(1, "mudur", "1234", true, true, true);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("menu.xlsx"));
    test::writeXlsxFixture(path, {deliveryMenu()});
    app::MainWindow& window = start("mudur");
    const std::size_t before = m_application.catalog().current()->products.size();
    const QPoint button = centre(window.screenState().button(MainButton::YemekSepetiMenu));
    {
        SheetChoice cancelled(path, [](QDialog& preview) {
            auto* rows = preview.findChild<QTreeWidget*>(QStringLiteral("rows"));
            EXPECT_EQ(rows->topLevelItemCount(), 3);
            EXPECT_EQ(rows->topLevelItem(0)->text(1), QStringLiteral("7771"));
            EXPECT_EQ(rows->topLevelItem(1)->text(4), QStringLiteral("12.50"));
            preview.findChild<QCheckBox*>(QStringLiteral("header"))->click();
            EXPECT_EQ(rows->topLevelItemCount(), 4) << "the header row read as a product";
            preview.findChild<QPushButton*>(QStringLiteral("2"))->click();
        });
        click(window, button);
        EXPECT_TRUE(cancelled.previewSeen());
    }
    EXPECT_EQ(importedCount(), 0);
    EXPECT_TRUE(m_boxes.shown().empty());
    {
        SheetChoice confirmed(path, [](QDialog& preview) {
            preview.findChild<QPushButton*>(QStringLiteral("1"))->click();
        });
        click(window, button);
        EXPECT_TRUE(confirmed.previewSeen());
    }
    ASSERT_TRUE(QTest::qWaitFor([this] { return !m_boxes.shown().empty(); }));
    EXPECT_EQ(m_boxes.texts()[0], QStringLiteral("3 ürün eklendi."));
    EXPECT_EQ(m_boxes.captions()[0], QStringLiteral("YemekSepeti Menü"));
    EXPECT_EQ(importedCount(), 3);
    EXPECT_EQ(window.screenState().uploadStatus,
              QStringLiteral("VcExcelSTOK.size() : 3 \nReading Stok from excel file is finished"));
    EXPECT_TRUE(QTest::qWaitFor([this, before] {
        return m_application.catalog().current()->products.size() == before + 3;
    }));
}

// Forty products whose texts a spreadsheet program wrote into the cells:
// the preview shows their names and prices, and the one row without a name
// is asked about before anything goes in, "Hayır" first.
TEST_F(MainWindowTest, aSheetWithItsTextsInTheCellsShowsThemAndMarkedRowsAreAskedAbout) {
    test::addUser(1, "mudur", "1234", true, true, true);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("menu.xlsx"));
    test::FixtureSheet menu = deliveryMenu();
    menu.rows.resize(1);
    for (int i = 1; i <= 40; ++i)
        menu.rows.push_back({{},
                             {},
                             i < 40 ? QStringLiteral("Ürün %1").arg(i) : QString(),
                             {},
                             {},
                             QStringLiteral("12,50")});
    test::writeInlineXlsxFixture(path, {menu});
    app::MainWindow& window = start("mudur");
    const QPoint button = centre(window.screenState().button(MainButton::YemekSepetiMenu));
    const auto importWith = [&](std::optional<platform::BoxAnswer> answer) {
        if (answer)
            m_boxes.queueAnswer(*answer);
        SheetChoice confirmed(path, [](QDialog& preview) {
            auto* rows = preview.findChild<QTreeWidget*>(QStringLiteral("rows"));
            EXPECT_EQ(rows->topLevelItemCount(), 40);
            EXPECT_EQ(rows->topLevelItem(0)->text(3), QStringLiteral("Ürün 1"));
            EXPECT_EQ(rows->topLevelItem(0)->text(4), QStringLiteral("12.50"));
            EXPECT_EQ(rows->topLevelItem(39)->text(5), QStringLiteral("adı boş"));
            preview.findChild<QPushButton*>(QStringLiteral("1"))->click();
        });
        click(window, button);
        EXPECT_TRUE(confirmed.previewSeen());
    };
    importWith(std::nullopt);
    ASSERT_EQ(m_boxes.shown().size(), 1u);
    EXPECT_EQ(m_boxes.texts()[0], spreadsheets::markedQuestionText(1));
    EXPECT_EQ(m_boxes.shown()[0].defaultAnswer, platform::BoxAnswer::No);
    QTest::qWait(200);
    EXPECT_EQ(m_boxes.shown().size(), 1u) << "nothing more after Hayır";
    EXPECT_EQ(importedCount(), 0);
    m_boxes.clear();
    importWith(platform::BoxAnswer::Yes);
    ASSERT_TRUE(QTest::qWaitFor([this] { return m_boxes.shown().size() == 2; }));
    EXPECT_EQ(m_boxes.texts()[1], QStringLiteral("40 ürün eklendi."));
    EXPECT_EQ(importedCount(), 40);
}

TEST_F(MainWindowTest, excelButtonWritesTheCatalogueIntoTheDocumentsFolder) {
    test::addUser(1, "mudur", "1234", true, true, true);
    test::addProduct({.stcode = 7, .name = "Künefe", .sellp1 = 90});
    app::MainWindow& window = start("mudur");
    const records::Rect excel = window.screenState().button(MainButton::ExcelEAktar);
    const records::Rect menu = window.screenState().button(MainButton::YemekSepetiMenu);
    EXPECT_EQ(excel.top, menu.bottom + 6);
    EXPECT_LE(excel.right, 795) << "clear of the C column at 1280 pixels";
    click(window, centre(excel));
    ASSERT_EQ(m_boxes.shown().size(), 1u);
    EXPECT_EQ(m_boxes.captions()[0], QStringLiteral("Write_Excel_Stok"));
    EXPECT_EQ(m_boxes.texts()[0], spreadsheets::exportDoneText(1));
    const spreadsheets::WorkbookRead read =
        spreadsheets::readWorkbook(spreadsheets::deliverySheetPath(), 0);
    ASSERT_EQ(read.rows.size(), 2u);
    EXPECT_EQ(read.rows[1].at(2).text, QStringLiteral("Künefe"));
    EXPECT_EQ(read.rows[1].at(5).number, 90.0);
}

TEST_F(MainWindowTest, katalogKontroluListsTheFindings) {
    test::addUser(1, "mudur", "1234", true, true, true);
    test::addProduct({.stcode = 7, .name = "Künefe", .sellp1 = 90});
    TestDatabase::exec("UPDATE stocks.stckdef SET barcode='8690000000013' WHERE stcode=7;");
    app::MainWindow& window = start("mudur");
    const records::Rect check = window.screenState().button(MainButton::KatalogKontrolu);
    EXPECT_EQ(check.top, window.screenState().button(MainButton::ExcelEAktar).bottom + 6);
    test::ModalDriver driver([](QDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), QStringLiteral("catalogueCheck"));
        auto* findings = dialog.findChild<QTreeWidget*>(QStringLiteral("findings"));
        ASSERT_EQ(findings->topLevelItemCount(), 1);
        EXPECT_EQ(findings->topLevelItem(0)->text(0), QStringLiteral("HATA"));
        EXPECT_EQ(findings->topLevelItem(0)->text(2), QStringLiteral("Künefe"));
        auto* label = dialog.findChild<QLabel*>(QStringLiteral("counts"));
        EXPECT_EQ(label->text(), QStringLiteral("1 hata, 0 uyarı"));
        dialog.grab().save(QStringLiteral("catalogue-check.png"));
        // Mended at another station: "Yenile" checks what the server now holds.
        TestDatabase::exec("UPDATE stocks.stckdef SET barcode='8690000000012' WHERE stcode=7;");
        dialog.findChild<QPushButton*>(QStringLiteral("1"))->click();
        EXPECT_EQ(findings->topLevelItemCount(), 0);
        EXPECT_EQ(label->text(), QStringLiteral("Katalogda sorun bulunmadı."));
        dialog.reject();
    });
    click(window, centre(check));
    EXPECT_TRUE(driver.seen);
}
