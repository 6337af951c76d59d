#include "stock/StockEditorWindow.h"

#include "CatalogFixtures.h"
#include "DatabaseTest.h"
#include "TestSettings.h"
#include "app/CatalogData.h"
#include "platform/NotBuiltYet.h"
#include "platform/WindowMessages.h"
#include "app/StartupLoad.h"
#include "db/StatementJournal.h"
#include "platform/ProgramMessenger.h"
#include "stock/CostProgressDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTimer>

using namespace parvela;
using stock::StockEditorWindow;
using test::TestDatabase;

namespace {

// Stands for the stock browser: owns the editor and counts its messages.
class OwnerWindow : public QWidget {
public:
    bool event(QEvent* event) override {
        received.push_back(static_cast<int>(event->type()));
        return QWidget::event(event);
    }
    std::vector<int> received;
};

class StockEditorWindowTest : public test::DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        test::loadDemoRestaurant();
        app::loadSharedLists(m_catalog);
        m_catalog.runner().setJournal(&m_journal);
        m_boxes.clear();
    }

    void makeCurrent(stock::StockCode code) {
        for (const stock::StockDefinition& p : m_catalog.stock().products)
            if (p.stcode == code)
                m_catalog.currentProduct() = p;
    }

    // A window that closed too early, or a missing field, fails the test
    // instead of crashing the test program.
    template <typename Child> static Child* child(QWidget* window, const char* id) {
        if (window == nullptr) {
            ADD_FAILURE() << "the window is gone (looking for " << id << ")";
            return nullptr;
        }
        auto* found = window->findChild<Child*>(QString::fromLatin1(id));
        if (found == nullptr)
            ADD_FAILURE() << "the window has no " << id;
        return found;
    }

    static void type(QWidget* window, const char* id, const QString& text) {
        if (auto* edit = child<QLineEdit>(window, id)) {
            edit->clear();
            QTest::keyClicks(edit, text);
        }
    }

    static void press(QWidget* window, const char* id) {
        // The save is queued behind the click.
        if (auto* button = child<QPushButton>(window, id))
            button->click();
        QCoreApplication::processEvents();
    }

    static QString textOf(QWidget* window, const char* id) {
        const auto* edit = child<QLineEdit>(window, id);
        return edit != nullptr ? edit->text() : QString();
    }

    static QString statusOf(QWidget* window) {
        const auto* label = child<QLabel>(window, "status");
        return label != nullptr ? label->text() : QString();
    }

    static double column(const std::string& column, stock::StockCode code) {
        return std::stod(TestDatabase::scalar(
            "SELECT " + column + " FROM stocks.stckdef WHERE stcode=" + std::to_string(code) +
            ";"));
    }

    long long issuedStarting(const std::string& start) const {
        const auto texts = m_journal.texts();
        return std::count_if(texts.begin(), texts.end(),
                             [&](const std::string& t) { return t.starts_with(start); });
    }

    test::TestSettings m_settings;
    app::CatalogData m_catalog{m_settings, m_boxes};
    platform::ProgramMessenger m_messenger{100};
    db::StatementJournal m_journal;
    OwnerWindow m_owner;
};

} // namespace

TEST_F(StockEditorWindowTest, editWindowSavesThePriceAndRecomputesTheProductsUsingIt) {
    const long long users = std::stoll(
        TestDatabase::scalar("SELECT COUNT(*) FROM stocks.receipts WHERE ingredient=22212;"));
    ASSERT_GT(users, 1);
    TestDatabase::exec("UPDATE stocks.stckdef SET unitcost=0 WHERE stcode=33314;");
    makeCurrent(22212);
    int filterRuns = 0;
    QPointer<StockEditorWindow> window = StockEditorWindow::openEdit(
        m_catalog, m_boxes, m_messenger, &m_owner, [&] { ++filterRuns; });
    // Alive until the save below: nothing in between runs the event loop.
    StockEditorWindow* const editor = window.data();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Stok Tanımı Düzenleniyor"));
    EXPECT_EQ(editor->size(), QSize(920, 685));
    EXPECT_NE(editor->findChild<QPushButton*>(QStringLiteral("7090")), nullptr);
    EXPECT_EQ(textOf(editor, "7005"), QStringLiteral("Pilav (Porsiyon)"));
    EXPECT_EQ(textOf(editor, "7006"), QStringLiteral("13.0000"));

    type(editor, "7008", QStringLiteral("95.50"));
    editor->grab().save(QStringLiteral("stock-editor.png"));
    m_journal.clear();
    press(editor, "7024");
    QTRY_VERIFY_WITH_TIMEOUT(window.isNull(), 10000);

    EXPECT_DOUBLE_EQ(column("sellp1", 22212), 95.5);
    EXPECT_EQ(issuedStarting("UPDATE stocks.stckdef SET unitcost="), users);
    EXPECT_NEAR(column("unitcost", 33314), 0.22 * 520 + 4 + 13, 0.001);
    EXPECT_EQ(filterRuns, 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(std::count(m_owner.received.begin(), m_owner.received.end(),
                         platform::msg::kEditorRepaintLabels),
              1);
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(StockEditorWindowTest, closingTheEditorWhileCostsAreWrittenIsSafe) {
    const long long users = std::stoll(
        TestDatabase::scalar("SELECT COUNT(*) FROM stocks.receipts WHERE ingredient=22212;"));
    makeCurrent(22212);
    int filterRuns = 0;
    QPointer<StockEditorWindow> window = StockEditorWindow::openEdit(
        m_catalog, m_boxes, m_messenger, &m_owner, [&] { ++filterRuns; });
    ASSERT_FALSE(window.isNull());
    type(window, "7008", QStringLiteral("70"));
    m_journal.clear();
    // The user closes the editor while the progress dialog is up.
    bool closedDuringDialog = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!window.isNull() && window->findChild<stock::CostProgressDialog*>() != nullptr) {
            closedDuringDialog = true;
            window->close();
        }
    });
    poll.start(0);
    press(window, "7024");
    QTRY_VERIFY_WITH_TIMEOUT(window.isNull(), 10000);
    EXPECT_TRUE(closedDuringDialog);
    QTRY_COMPARE_WITH_TIMEOUT(issuedStarting("UPDATE stocks.stckdef SET unitcost="), users, 10000);
    EXPECT_DOUBLE_EQ(column("sellp1", 22212), 70);
    EXPECT_EQ(filterRuns, 0); // the rest of the save went with the window
    QTest::qWait(300);        // the worker's last report, before the catalog goes
}

TEST_F(StockEditorWindowTest, progressDialogCountsTheProductsAndClosesWhenDone) {
    const int users = std::stoi(
        TestDatabase::scalar("SELECT COUNT(*) FROM stocks.receipts WHERE ingredient=22212;"));
    makeCurrent(22212);
    stock::CostProgressDialog dialog(m_catalog.runner(), m_catalog.costWorkers(),
                                     stock::costJobFor(m_catalog), &m_owner);
    dialog.exec();
    EXPECT_EQ(dialog.bar()->maximum(), users);
    EXPECT_EQ(dialog.bar()->value(), users);
}

TEST_F(StockEditorWindowTest, editWindowNeedsACurrentProduct) {
    m_catalog.currentProduct() = stock::StockDefinition{};
    EXPECT_EQ(StockEditorWindow::openEdit(m_catalog, m_boxes, m_messenger, &m_owner), nullptr);
    EXPECT_EQ(m_boxes.captions(), QStringList{QStringLiteral("STOK SECILMEDI")});
}

TEST_F(StockEditorWindowTest, newWindowStaysOpenForTheNextProduct) {
    TestDatabase::exec("UPDATE stocks.stckdef SET barcode='8691234' WHERE stcode=33311;");
    for (groups::GroupA& group : m_catalog.groups().screenA())
        group.selected = group.acode == 3331;
    QPointer<StockEditorWindow> window =
        StockEditorWindow::openNew(m_catalog, m_boxes, m_messenger, &m_owner);
    QCoreApplication::processEvents();
    {
        const StockEditorWindow* const editor = window.data();
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(editor->windowTitle(), QStringLiteral("Yeni Stok Tanımı"));
        EXPECT_EQ(editor->findChild<QPushButton*>(QStringLiteral("7090")), nullptr);
    }
    EXPECT_EQ(textOf(window, "7041"), QStringLiteral("333129"));

    type(window, "7005", QStringLiteral("Lahmacun"));
    type(window, "7008", QStringLiteral("120"));
    type(window, "7034", QStringLiteral("8691234"));
    press(window, "7024");
    EXPECT_TRUE(statusOf(window).contains(QStringLiteral("33311")));
    EXPECT_EQ(TestDatabase::scalar("SELECT COUNT(*) FROM stocks.stckdef WHERE stcode=333129;"),
              "0");

    type(window, "7034", QStringLiteral("869"));
    press(window, "7024");
    QCoreApplication::processEvents();
    EXPECT_DOUBLE_EQ(column("sellp1", 333129), 120);
    ASSERT_FALSE(window.isNull());
    EXPECT_TRUE(textOf(window, "7005").isEmpty());
    EXPECT_EQ(textOf(window, "7041"), QStringLiteral("333130"));
    EXPECT_TRUE(statusOf(window).isEmpty());
    window->close();
}

TEST_F(StockEditorWindowTest, buttonsOfLaterDialogsSayTheyAreNotBuiltYet) {
    makeCurrent(22212);
    QPointer<StockEditorWindow> window =
        StockEditorWindow::openEdit(m_catalog, m_boxes, m_messenger, &m_owner);
    ASSERT_FALSE(window.isNull());
    for (const char* id :
         {"7001", "7095", "7093", "7097", "7096", "7031", "7092", "7040", "7003", "7101", "7094"})
        press(window, id);
    QCoreApplication::processEvents();
    EXPECT_EQ(m_boxes.captions(),
              (QStringList{"Grubu", "Ürüne Ait Not", "BARCODE", "869", "Smll Med Lrg",
                           "Tanım-Time-1", "Bölge Seç", "X", "Resmi", "Resmi Sil", "BARCODE"}));
    for (const QString& text : m_boxes.texts())
        EXPECT_EQ(text, platform::kNotBuiltYetText);
    ASSERT_FALSE(window.isNull()); // none of them closes the editor
    window->close();
}
