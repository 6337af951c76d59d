#include "spreadsheets/DeliverySheet.h"

#include "CatalogFixtures.h"
#include "DatabaseTest.h"
#include "TestSettings.h"
#include "db/DbConnection.h"
#include "db/StatementRunner.h"
#include "spreadsheets/Workbook.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace parvela;
using namespace parvela::spreadsheets;
using test::TestDatabase;

namespace {

stock::StockDefinition product(stock::StockCode code, const char* name, double price) {
    stock::StockDefinition p = test::productRecord(code, name, 0);
    p.sellp1 = price;
    return p;
}

QStringList textsOf(const SheetRow& row) {
    QStringList texts;
    for (const Cell& cell : row)
        texts << (cell.kind == Cell::Kind::Number ? QString::number(cell.number) : cell.text);
    return texts;
}

class DeliverySheetTest : public test::DatabaseTest {
protected:
    test::TestSettings m_settings;
    db::DbConnection m_connection{m_settings};
    db::StatementRunner m_runner{m_connection, m_boxes};
    QTemporaryDir m_folder;
};

} // namespace

TEST_F(DeliverySheetTest, theCatalogueReadsBackAsTheNineColumnsOfThePlatformsTable) {
    // Stored as the copy's full path; the platform gets its name.
    TestDatabase::exec("INSERT INTO stocks.images(stcode,img) "
                       "VALUES(2,'C:\\\\Orvanta\\\\images\\\\iskender.jpg');");
    std::vector<stock::StockDefinition> products = {product(1, "Şiş Köfte ğüıçö _x0041_", 12.5),
                                                    product(2, "İskender \"özel\"", 185)};
    products[1].barcode = "8690000000017";
    products[1].serial = "S-9";
    products[1].bundle = true;
    const QString path = m_folder.filePath(QStringLiteral("excelstok.xlsx"));
    // An older sheet is replaced whole.
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("an older file, longer than nothing at all");
    old.close();

    ASSERT_EQ(exportCatalogue(m_runner, products, path), QString());

    const WorkbookRead read = readWorkbook(path, 0);
    ASSERT_EQ(read.error, QString());
    EXPECT_EQ(read.sheetNames, QStringList{QStringLiteral("YmkSptStok")});
    ASSERT_EQ(read.rows.size(), 3u);
    EXPECT_EQ(textsOf(read.rows[0]).join(u','),
              QStringLiteral("pSw0Ef91d_Timestamp,vA9jF0fj_Ticket,Title_tr_TR,Image_URL,"
                             "Variation_title_tr_TR,Price,Remote_Code,IsBundle,Partner"));
    ASSERT_GE(read.rows[1].size(), 8u);
    EXPECT_EQ(read.rows[1][2].text, QStringLiteral("Şiş Köfte ğüıçö _x0041_"));
    EXPECT_EQ(read.rows[1][5].kind, Cell::Kind::Number);
    EXPECT_EQ(read.rows[1][5].number, 12.5);
    EXPECT_EQ(read.rows[1][7].text, QStringLiteral("0"));
    ASSERT_EQ(read.rows[2].size(), 9u);
    EXPECT_EQ(read.rows[2][1].text, QStringLiteral("2"));
    EXPECT_EQ(read.rows[2][2].text, QStringLiteral("İskender \"özel\""));
    EXPECT_EQ(read.rows[2][3].text, QStringLiteral("iskender.jpg"));
    EXPECT_EQ(read.rows[2][5].number, 185.0);
    EXPECT_EQ(read.rows[2][6].text, QStringLiteral("8690000000017"));
    EXPECT_EQ(read.rows[2][7].text, QStringLiteral("1"));
    EXPECT_EQ(read.rows[2][8].text, QStringLiteral("S-9"));
    EXPECT_EQ(exportDoneText(2), QStringLiteral("Excel STOK sayısı : 2  adet ürün..\n Yeni dosya "
                                                "başarıyla oluşturuldu."));
}

TEST_F(DeliverySheetTest, aPathThatCannotBeWrittenSaysWhy) {
    // A folder of that name stands where the sheet would go.
    const QString path = m_folder.filePath(QStringLiteral("excelstok.xlsx"));
    ASSERT_TRUE(QDir().mkpath(path + QStringLiteral("/eski")));
    const QString why = writeDeliverySheet(path, deliveryRows({product(1, "Ayran", 15)}, {}));
    EXPECT_TRUE(why.startsWith(path + QStringLiteral(" yazılamadı"))) << why.toStdString();
    EXPECT_TRUE(QFileInfo(path + QStringLiteral("/eski")).isDir());
}
