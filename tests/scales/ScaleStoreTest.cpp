#include "scales/ScaleStore.h"

#include "CatalogFixtures.h"
#include "ModalDriver.h"
#include "ScaleFixture.h"
#include "labels/WeighedBarcodes.h"
#include "scales/PluList.h"

#include <QAbstractButton>
#include <QLineEdit>

using namespace parvela;
using test::TestDatabase;

namespace {

using Texts = std::vector<std::string>;

class ScaleStoreTest : public test::ScaleFixture {
protected:
    // Opens "Teraziler", shows what the edits held, types and presses `button`.
    QStringList defineScales(const QString& first, const QString& second, const char* button) {
        QStringList shown;
        test::ModalDriver driver([&](QDialog& dialog) {
            auto* a = dialog.findChild<QLineEdit*>(QStringLiteral("1132"));
            auto* b = dialog.findChild<QLineEdit*>(QStringLiteral("1131"));
            shown << dialog.objectName() << dialog.windowTitle() << a->text() << b->text();
            a->setText(first);
            b->setText(second);
            QObject::connect(&dialog, &QDialog::finished,
                             [&shown](int result) { shown << QString::number(result); });
            dialog.findChild<QAbstractButton*>(QString::fromLatin1(button))->click();
        });
        m_features.defineScales(nullptr);
        EXPECT_TRUE(driver.seen);
        return shown;
    }
    static std::string addresses() {
        std::string all;
        for (const auto& row : TestDatabase::query("SELECT ipaddr FROM stocks.terazi ORDER BY Id;"))
            all += "[" + row[0] + "]";
        return all;
    }
};

} // namespace

TEST_F(ScaleStoreTest, okStoresBothEditsEvenAnEmptyOneAndCancelNothing) {
    TestDatabase::exec("INSERT INTO stocks.terazi(ipaddr) VALUES('10.0.0.1'),('10.0.0.2');");
    m_catalog.readScales();
    m_journal.clear();
    EXPECT_EQ(
        defineScales(QStringLiteral("192.168.1.20"), QString(), "1"),
        (QStringList{QStringLiteral("148"), QStringLiteral("TERAZI_TANIM"),
                     QStringLiteral("10.0.0.1"), QStringLiteral("10.0.0.2"), QStringLiteral("1")}));
    EXPECT_EQ(m_journal.texts(), (Texts{"DELETE FROM stocks.terazi;",
                                        "INSERT INTO terazi(ipaddr) VALUES('192.168.1.20');"
                                        "INSERT INTO terazi(ipaddr) VALUES('');",
                                        "SELECT Id,ipaddr FROM terazi;"}));
    EXPECT_EQ(addresses(), "[192.168.1.20][]");
    ASSERT_EQ(m_catalog.scales().size(), 2u);
    EXPECT_EQ(m_catalog.scales()[0].ipaddr, "192.168.1.20");
    EXPECT_TRUE(m_boxes.shown().empty());

    m_journal.clear();
    const QStringList cancelled = defineScales(QStringLiteral("1.1.1.1"), QString(), "2");
    EXPECT_EQ(cancelled.mid(2),
              (QStringList{QStringLiteral("192.168.1.20"), QString(), QStringLiteral("0")}));
    EXPECT_TRUE(m_journal.texts().empty());
    EXPECT_EQ(addresses(), "[192.168.1.20][]");
}

// The emptying and the new rows are one change: a failure at either leaves
// the old rows, with one box under the tag.
TEST_F(ScaleStoreTest, aFailedEmptyingOrInsertKeepsTheOldRows) {
    TestDatabase::exec("INSERT INTO stocks.terazi(ipaddr) VALUES('10.0.0.1');"
                       "CREATE TABLE stocks.terazi_hold(Id INT, FOREIGN KEY (Id) REFERENCES "
                       "stocks.terazi(Id)) ENGINE=InnoDB;"
                       "INSERT INTO stocks.terazi_hold SELECT Id FROM stocks.terazi;");
    m_journal.clear();
    const bool saved =
        m_catalog.scaleStore().save(m_catalog.runner(), m_boxes, {QStringLiteral("10.0.0.9")});
    TestDatabase::exec("DROP TABLE stocks.terazi_hold;");
    EXPECT_FALSE(saved);
    EXPECT_EQ(m_journal.texts(),
              (Texts{"DELETE FROM stocks.terazi;", "SELECT Id,ipaddr FROM terazi;"}));
    EXPECT_EQ(addresses(), "[10.0.0.1]");
    EXPECT_EQ(m_boxes.captions(), QStringList{QStringLiteral("INSERT_TERAZI")});
    ASSERT_EQ(m_catalog.scales().size(), 1u);

    m_boxes.clear();
    TestDatabase::exec("CREATE TRIGGER stocks.refuse_one BEFORE INSERT ON stocks.terazi FOR EACH "
                       "ROW BEGIN IF NEW.ipaddr='10.0.0.8' THEN SIGNAL SQLSTATE '45000' SET "
                       "MESSAGE_TEXT='refused'; END IF; END");
    EXPECT_FALSE(m_catalog.scaleStore().save(
        m_catalog.runner(), m_boxes, {QStringLiteral("10.0.0.7"), QStringLiteral("10.0.0.8")}));
    TestDatabase::exec("DROP TRIGGER stocks.refuse_one;");
    EXPECT_EQ(addresses(), "[10.0.0.1]");
    EXPECT_EQ(m_boxes.captions(), QStringList{QStringLiteral("INSERT_TERAZI")});
}

// Ctrl+F4 in the stock window numbers the weighed products; their PLUs follow.
TEST_F(ScaleStoreTest, automaticBarcodesGiveThePlusInNameOrder) {
    test::addProduct({.stcode = 7, .name = "Zeytin", .weighed = true, .sellp1 = 0.29});
    test::addProduct({.stcode = 8, .name = "Ekmek", .sellp1 = 5});
    test::addProduct({.stcode = 9, .name = "Beyaz Peynir", .weighed = true, .sellp1 = 19.99});
    TestDatabase::exec("UPDATE stocks.stckdef SET barcode='2799999' WHERE stcode=9;");
    m_catalog.readProductSideLists();
    m_catalog.readProducts();
    m_boxes.queueAnswer(platform::BoxAnswer::Yes);
    labels::assignWeighedBarcodes(m_catalog.runner(), m_boxes, m_catalog.current()->products, {});
    m_catalog.readProducts();
    const stock::CatalogueRef catalogue = m_catalog.current();
    const stock::ProductList& weighed = catalogue->weighed;
    ASSERT_EQ(weighed.size(), 2u);
    EXPECT_EQ(weighed[0].barcode, "2700001");
    EXPECT_EQ(scales::pluListOf(weighed), " 1,Beyaz Peynir,1,1,7,1999,27,0,30,\r\n"
                                          " 2,Zeytin,2,2,7,29,27,0,30,\r\n");
}
