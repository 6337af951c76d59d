#include "stock/editor/StockEditorWindow.h"

#include "BrowserFixture.h"
#include "CatalogFixtures.h"
#include "app/StartupLoad.h"
#include "db/StatementJournal.h"
#include "platform/JobProgressDialog.h"
#include "platform/NotBuiltYet.h"
#include "platform/WindowMessages.h"
#include "stock/browser/StockBrowserModel.h"
#include "stock/browser/StockBrowserPainter.h"
#include "stock/catalogue/CostPropagation.h"
#include "stock/editor/StockEditorSave.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
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

class StockEditorWindowTest : public test::EditorTestBase {
protected:
    stock::StockDefinition productCopy(stock::StockCode code) const {
        const stock::ProductPtr found = product(code);
        if (found == nullptr)
            ADD_FAILURE() << "no product " << code;
        return found != nullptr ? *found : stock::StockDefinition{};
    }

    StockEditorWindow* openEdit(stock::StockCode code, std::function<void()> reapply = {}) {
        return StockEditorWindow::openEdit(m_context, m_notBuilt.features(), productCopy(code),
                                           &m_owner, std::move(reapply));
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
        if (auto* edit = child<QLineEdit>(window, id))
            edit->setText(text); // keyClicks cannot type Turkish letters
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

    static std::string column(const std::string& column, stock::StockCode code) {
        return TestDatabase::scalar(
            "SELECT " + column + " FROM stocks.stckdef WHERE stcode=" + std::to_string(code) + ";");
    }

    long long issuedStarting(const std::string& start) const {
        const auto texts = m_journal.texts();
        return std::count_if(texts.begin(), texts.end(),
                             [&](const std::string& t) { return t.starts_with(start); });
    }

    // How often the text occurs in all the statements issued.
    long long occurrences(const std::string& text) const {
        long long count = 0;
        for (const std::string& issued : m_journal.texts())
            for (std::size_t at = issued.find(text); at != std::string::npos;
                 at = issued.find(text, at + text.size()))
                ++count;
        return count;
    }

    OwnerWindow m_owner;
};

} // namespace

TEST_F(StockEditorWindowTest, editWindowSavesThePriceAndRecomputesTheProductsUsingIt) {
    const long long users = std::stoll(
        TestDatabase::scalar("SELECT COUNT(*) FROM stocks.receipts WHERE ingredient=22212;"));
    ASSERT_GT(users, 1);
    TestDatabase::exec("UPDATE stocks.stckdef SET unitcost=0 WHERE stcode=33314;");
    int filterRuns = 0;
    QPointer<StockEditorWindow> window = openEdit(22212, [&] { ++filterRuns; });
    // Alive until the save below: nothing in between runs the event loop.
    StockEditorWindow* const editor = window.data();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Stok Tanımı Düzenleniyor"));
    EXPECT_EQ(editor->size(), QSize(920, 685));
    EXPECT_NE(editor->findChild<QPushButton*>(QStringLiteral("7090")), nullptr);
    EXPECT_EQ(textOf(editor, "7005"), QStringLiteral("Pilav (Porsiyon)"));
    EXPECT_EQ(textOf(editor, "7006"), QStringLiteral("13,0000"));

    // A Turkish manager types a decimal comma.
    type(editor, "7008", QStringLiteral("95,50"));
    editor->grab().save(QStringLiteral("stock-editor.png"));
    m_journal.clear();
    press(editor, "7024");
    QTRY_VERIFY_WITH_TIMEOUT(window.isNull(), 10000);

    EXPECT_EQ(column("sellp1", 22212), "95.5000");
    // Every user's cost, all in one call.
    EXPECT_EQ(issuedStarting("UPDATE stocks.stckdef SET unitcost="), 1);
    EXPECT_EQ(occurrences("UPDATE stocks.stckdef SET unitcost="), users);
    EXPECT_NEAR(std::stod(column("unitcost", 33314)), 0.22 * 520 + 4 + 13, 0.001);
    EXPECT_EQ(filterRuns, 1);
    EXPECT_NEAR(productCopy(22212).sellp1, 95.5, 1e-9);
    QCoreApplication::processEvents();
    EXPECT_EQ(std::count(m_owner.received.begin(), m_owner.received.end(),
                         platform::msg::kEditorRepaintLabels),
              1);
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(StockEditorWindowTest, anEditWindowSavesItsOwnProductWhateverTheListPicksMeanwhile) {
    stock::showGroup(m_browser, m_catalog.current(), 3331, 0, 0);
    stock::StockBrowserModel model(m_context, m_browser, m_windows, m_notBuilt.features(), {});
    QImage image(1024, 720, QImage::Format_RGB32);
    QPainter painter(&image);
    stock::StockBrowserContent content{m_browser, {}};
    stock::paintStockBrowser(painter, image.size(), content);
    ASSERT_GE(m_browser.drawnRows.size(), 2u);
    const auto pick = [&](std::size_t row) {
        model.leftClick(test::centreOf(m_browser.drawnRows[row].cells.rowRect));
        return m_browser.current.stcode;
    };
    const stock::StockCode opened = pick(0);
    QPointer<StockEditorWindow> window = openEdit(opened);
    ASSERT_FALSE(window.isNull());
    const stock::StockCode other = pick(1);
    ASSERT_NE(other, opened);
    const std::string otherName = column("stname", other);
    const std::string otherPrice = column("sellp1", other);

    type(window, "7005", QStringLiteral("Yeni Ad"));
    type(window, "7008", QStringLiteral("12,5"));
    press(window, "7024");
    QTRY_VERIFY_WITH_TIMEOUT(window.isNull(), 10000);
    EXPECT_EQ(column("stname", opened), "Yeni Ad");
    EXPECT_EQ(column("sellp1", opened), "12.5000");
    EXPECT_EQ(column("stname", other), otherName);
    EXPECT_EQ(column("sellp1", other), otherPrice);
}

TEST_F(StockEditorWindowTest, aFailingUpdateKeepsTheEditorOpenWithWhatWasTyped) {
    TestDatabase::exec("CREATE TRIGGER stocks.refuse_update BEFORE UPDATE ON stocks.stckdef "
                       "FOR EACH ROW SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT='kilitli';");
    QPointer<StockEditorWindow> window = openEdit(22212);
    type(window, "7008", QStringLiteral("77"));
    press(window, "7024");
    QCoreApplication::processEvents();
    ASSERT_FALSE(window.isNull());
    EXPECT_EQ(textOf(window, "7008"), QStringLiteral("77"));
    EXPECT_TRUE(m_boxes.captions().contains(QStringLiteral("UPDATE_STOCK_DEF")));
    EXPECT_EQ(issuedStarting("UPDATE stocks.stckdef SET unitcost="), 0); // no cost job
    TestDatabase::exec("DROP TRIGGER stocks.refuse_update;");

    // Deleted elsewhere meanwhile: it says so and writes nothing for it.
    TestDatabase::exec("DELETE FROM stocks.stckdef WHERE stcode=22212;"
                       "DELETE FROM stocks.colors WHERE stcode=22212;");
    m_boxes.clear();
    press(window, "7024");
    ASSERT_FALSE(window.isNull());
    ASSERT_EQ(m_boxes.shown().size(), 1u);
    EXPECT_TRUE(m_boxes.texts()[0].startsWith(QStringLiteral("Bu stok artık kayıtlı değil")));
    EXPECT_EQ(TestDatabase::scalar("SELECT COUNT(*) FROM stocks.colors WHERE stcode=22212;"), "0");
    window->close();
}

TEST_F(StockEditorWindowTest, aNumberThatIsNotOneIsRefusedAndNothingIsWritten) {
    QPointer<StockEditorWindow> window = openEdit(22212);
    const std::string before = column("sellp1", 22212);
    type(window, "7008", QStringLiteral("abc"));
    m_journal.clear();
    press(window, "7024");
    ASSERT_FALSE(window.isNull());
    ASSERT_EQ(m_boxes.shown().size(), 1u);
    EXPECT_EQ(m_boxes.captions()[0], QStringLiteral("SAYI HATALI"));
    EXPECT_TRUE(m_boxes.texts()[0].contains(QStringLiteral("Perakende Fiyatı")));
    EXPECT_TRUE(m_journal.texts().empty());
    EXPECT_EQ(column("sellp1", 22212), before);
    window->close();
}

TEST_F(StockEditorWindowTest, closingTheEditorWhileCostsAreWrittenIsSafe) {
    const long long users = std::stoll(
        TestDatabase::scalar("SELECT COUNT(*) FROM stocks.receipts WHERE ingredient=22212;"));
    int filterRuns = 0;
    QPointer<StockEditorWindow> window = openEdit(22212, [&] { ++filterRuns; });
    ASSERT_FALSE(window.isNull());
    type(window, "7008", QStringLiteral("70"));
    m_journal.clear();
    // The user closes the editor while the progress dialog is up.
    bool closedDuringDialog = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!window.isNull() && window->findChild<platform::JobProgressDialog*>() != nullptr) {
            closedDuringDialog = true;
            window->close();
        }
    });
    poll.start(0);
    press(window, "7024");
    QTRY_VERIFY_WITH_TIMEOUT(window.isNull(), 10000);
    EXPECT_TRUE(closedDuringDialog);
    QTRY_COMPARE_WITH_TIMEOUT(issuedStarting("UPDATE stocks.stckdef SET unitcost="), users, 10000);
    EXPECT_EQ(column("sellp1", 22212), "70.0000");
    EXPECT_EQ(filterRuns, 0); // the rest of the save went with the window
}

TEST_F(StockEditorWindowTest, progressDialogCountsTheProductsAndClosesWhenDone) {
    const int users = std::stoi(
        TestDatabase::scalar("SELECT COUNT(*) FROM stocks.receipts WHERE ingredient=22212;"));
    platform::JobProgressDialog dialog(
        m_jobs,
        stock::costPropagationJob(m_catalog.runner(), 22212, stock::costIndexFor(m_context)),
        QStringLiteral("Maliyet"), &m_owner);
    dialog.exec();
    EXPECT_EQ(dialog.bar()->maximum(), users);
    EXPECT_EQ(dialog.bar()->value(), users);
}

TEST_F(StockEditorWindowTest, editWindowNeedsACurrentProduct) {
    EXPECT_EQ(StockEditorWindow::openEdit(m_context, m_notBuilt.features(),
                                          stock::StockDefinition{}, &m_owner),
              nullptr);
    EXPECT_EQ(m_boxes.captions(), QStringList{QStringLiteral("STOK SECILMEDI")});
}

TEST_F(StockEditorWindowTest, newWindowStaysOpenForTheNextProduct) {
    TestDatabase::exec("UPDATE stocks.stckdef SET barcode='8691234' WHERE stcode=33311;");
    for (groups::GroupA& group : m_catalog.groups().screenA())
        group.selected = group.acode == 3331;
    int filterRuns = 0;
    QPointer<StockEditorWindow> window =
        StockEditorWindow::openNew(m_context, withBarcodes(), &m_owner, [&] { ++filterRuns; });
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
    EXPECT_EQ(column("sellp1", 333129), "120.0000");
    ASSERT_FALSE(window.isNull());
    EXPECT_TRUE(textOf(window, "7005").isEmpty());
    EXPECT_EQ(textOf(window, "7041"), QStringLiteral("333130"));
    EXPECT_TRUE(statusOf(window).isEmpty());
    // The list the stock window shows is built again at once.
    EXPECT_EQ(filterRuns, 1);
    EXPECT_NE(product(333129), nullptr);
    window->close();
}

TEST_F(StockEditorWindowTest, aRefusedInsertKeepsTheFormAndWritesNothingElse) {
    for (groups::GroupA& group : m_catalog.groups().screenA())
        group.selected = group.acode == 3331;
    TestDatabase::exec("CREATE TRIGGER stocks.refuse_insert BEFORE INSERT ON stocks.stckdef "
                       "FOR EACH ROW SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT='kapali';");
    int filterRuns = 0;
    QPointer<StockEditorWindow> window =
        StockEditorWindow::openNew(m_context, withBarcodes(), &m_owner, [&] { ++filterRuns; });
    QCoreApplication::processEvents();
    const long long colours = TestDatabase::count("stocks.colors");
    const long long discounts = TestDatabase::count("stocks.indirim_tablosu");
    type(window, "7005", QStringLiteral("Lahmacun"));
    type(window, "7027", QStringLiteral("10")); // a discount would need its own row
    press(window, "7024");
    ASSERT_FALSE(window.isNull());
    EXPECT_EQ(m_boxes.captions(), QStringList{QStringLiteral("INSERT_NEW_STOCK_DEFINITION")});
    EXPECT_EQ(textOf(window, "7005"), QStringLiteral("Lahmacun"));
    EXPECT_EQ(textOf(window, "7041"), QStringLiteral("333129"));
    if (const StockEditorWindow* editor = window.data()) {
        EXPECT_EQ(editor->edited().product.stcode, 333129);
    }
    EXPECT_EQ(TestDatabase::count("stocks.colors"), colours);
    EXPECT_EQ(TestDatabase::count("stocks.indirim_tablosu"), discounts);
    EXPECT_EQ(filterRuns, 0);
    TestDatabase::exec("DROP TRIGGER stocks.refuse_insert;");
    window->close();
}

TEST_F(StockEditorWindowTest, buttonsOfLaterDialogsSayTheyAreNotBuiltYet) {
    QPointer<StockEditorWindow> window = openEdit(22212);
    ASSERT_FALSE(window.isNull());
    for (const char* id : {"7001", "7093", "7097", "7094"})
        press(window, id);
    QCoreApplication::processEvents();
    EXPECT_EQ(m_boxes.captions(),
              (QStringList{"STOGUN GRUBU", "BARCODE", "869", "BARKOD ETİKETİ"}));
    for (const QString& text : m_boxes.texts())
        EXPECT_EQ(text, platform::kNotBuiltYetText);
    ASSERT_FALSE(window.isNull()); // none of them closes the editor
    window->close();
}
