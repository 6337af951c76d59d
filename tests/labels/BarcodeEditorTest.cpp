#include "BrowserFixture.h"
#include "ServerChange.h"
#include "stock/editor/StockEditorWindow.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace parvela;
using stock::StockEditorWindow;
using test::TestDatabase;

namespace {

std::string rowsQuery(const std::string& code) {
    return "SELECT * FROM stocks.stckdef WHERE stocks.stckdef.barcode='" + code + "';";
}

// The stock editor with the program's barcode commands; the demo restaurant's
// counter stands at 100000002, its weighed codes run 2700001 to 2700010.
class BarcodeEditorTest : public test::EditorTestBase {
protected:
    void SetUp() override {
        EditorTestBase::SetUp();
        for (groups::GroupA& group : m_catalog.groups().screenA())
            group.selected = group.acode == 3331;
    }
    void TearDown() override {
        if (!m_window.isNull())
            m_window->close();
        // A save reads the products again on a worker: let it land while the
        // lists it fills are still here.
        QTRY_VERIFY_WITH_TIMEOUT(!m_jobs.busy(), 10000);
        QCoreApplication::processEvents();
    }

    QLineEdit* edit(const char* id) const {
        auto* found =
            m_window.isNull() ? nullptr : m_window->findChild<QLineEdit*>(QString::fromLatin1(id));
        if (found == nullptr)
            ADD_FAILURE() << "no edit " << id;
        return found;
    }
    QString barcodeShown() const {
        const QLineEdit* field = edit("7034");
        return field != nullptr ? field->text() : QString();
    }
    void openNew() {
        m_window = StockEditorWindow::openNew(m_context, withBarcodes(), &m_owner);
        QCoreApplication::processEvents();
    }
    void press(const char* id) {
        if (auto* button = m_window->findChild<QPushButton*>(QString::fromLatin1(id)))
            button->click();
        else
            ADD_FAILURE() << "no button " << id;
        QCoreApplication::processEvents();
    }
    void type(const char* id, const QString& text) {
        if (QLineEdit* field = edit(id))
            field->setText(text);
    }
    static std::string column(const std::string& name, stock::StockCode code) {
        return TestDatabase::scalar(
            "SELECT " + name + " FROM stocks.stckdef WHERE stcode=" + std::to_string(code) + ";");
    }
    static std::string counter() {
        return TestDatabase::scalar("SELECT son_no FROM stocks.barkod_sayac WHERE id=1;");
    }

    QWidget m_owner;
    QPointer<StockEditorWindow> m_window;
};

} // namespace

TEST_F(BarcodeEditorTest, aNewProductWindowOpensWithAFreshInStoreCode) {
    openNew();
    ASSERT_FALSE(m_window.isNull());
    EXPECT_EQ(barcodeShown(), QStringLiteral("2701000000035"));
    EXPECT_EQ(counter(), "100000003");
    EXPECT_TRUE(m_boxes.shown().empty());

    // Saved as drawn: a complete code is no weighed code to cut.
    type("7005", QStringLiteral("Lahmacun"));
    press("7024");
    EXPECT_EQ(column("barcode", 333129), "2701000000035");
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(BarcodeEditorTest, theBarcodeButtonsDrawInStoreAndNationalCodes) {
    openNew();
    press("7097");
    EXPECT_EQ(barcodeShown(), QStringLiteral("8691000000040"));
    press("7093");
    EXPECT_EQ(barcodeShown(), QStringLiteral("2701000000059"));
    EXPECT_EQ(counter(), "100000005");
    EXPECT_TRUE(m_boxes.shown().empty());

    // A draw that gives nothing leaves the field alone.
    const test::ServerChange refused = test::counterRefused();
    press("7093");
    press("7097");
    EXPECT_EQ(barcodeShown(), QStringLiteral("2701000000059"));
    EXPECT_EQ(m_boxes.captions(), (QStringList{QStringLiteral("Retrieve_Barkod_of_URUNKODU"),
                                               QStringLiteral("Retrieve_Barkod_of_URUNKODU")}));

    // The label takes the form as it stands: without a name it stops as a
    // save would; with one it asks the spooler (here one that is not there).
    m_boxes.clear();
    type("7005", QString());
    press("7094");
    EXPECT_EQ(m_boxes.captions(), QStringList{QStringLiteral("STOK ADI")});
    m_boxes.clear();
    type("7005", QStringLiteral("Etiketli Ürün"));
    press("7094");
    EXPECT_EQ(m_boxes.texts(), QStringList{QStringLiteral("printers can not be enumarated")});
}

TEST_F(BarcodeEditorTest, aNewProductWithAUsedWeighedCodeIsSavedUnderTheNextFreeOne) {
    test::setBarcode(33311, "2512345");
    openNew();
    QStringList shownInField;
    QObject::connect(edit("7034"), &QLineEdit::textChanged,
                     [&](const QString& text) { shownInField << text; });
    type("7005", QStringLiteral("Kuzu Şiş"));
    type("7008", QStringLiteral("120"));
    type("7034", QStringLiteral("2512345"));
    m_journal.clear();
    press("7024");

    ASSERT_EQ(m_boxes.shown().size(), 1u);
    EXPECT_EQ(m_boxes.shown()[0].text, QStringLiteral("Bu barkod tanımlı oldugundan\n bir sonraki "
                                                      "bos barkod no ataniyor:  2700011"));
    EXPECT_EQ(m_boxes.shown()[0].caption, QStringLiteral("VALIDATE_BARCODE"));
    // The field showed the new code before the form was emptied for the next product.
    EXPECT_TRUE(shownInField.contains(QStringLiteral("2700011")));
    EXPECT_EQ(column("barcode", 333129), "2700011");
    EXPECT_EQ(column("sellp1", 333129), "120.0000");

    // The lookups of the barcode, all before the insert; the last is the
    // duplicate check of the code the product gets.
    std::vector<std::string> expected{rowsQuery("2512345")};
    for (int code = 2700001; code <= 2700011; ++code)
        expected.push_back(rowsQuery(std::to_string(code)));
    expected.push_back(rowsQuery("2700011"));
    std::vector<std::string> lookups;
    for (const std::string& text : m_journal.texts()) {
        if (text.starts_with("INSERT"))
            break;
        if (text.starts_with("SELECT * FROM stocks.stckdef WHERE stocks.stckdef.barcode="))
            lookups.push_back(text);
    }
    EXPECT_EQ(lookups, expected);
}

TEST_F(BarcodeEditorTest, theEditWindowSavesAWeighedCodeAsTyped) {
    const stock::ProductPtr found = product(22212);
    ASSERT_NE(found, nullptr);
    m_window = StockEditorWindow::openEdit(m_context, withBarcodes(), *found, &m_owner);
    type("7034", QStringLiteral("2612345999"));
    press("7024");
    QTRY_VERIFY_WITH_TIMEOUT(m_window.isNull(), 10000);
    EXPECT_EQ(column("barcode", 22212), "2612345999");
    EXPECT_TRUE(m_boxes.captions().filter(QStringLiteral("VALIDATE_BARCODE")).isEmpty());
}
