#include "FixtureFormats.h"
#include "TurkishLocale.h"
#include "spreadsheets/CellValues.h"
#include "spreadsheets/Workbook.h"

#include <QElapsedTimer>
#include <xlsxwriter.h>

namespace parvela::spreadsheets {
namespace {

using test::FixtureSheet;
using Kind = Cell::Kind;

const QString kName = QStringLiteral("ŞİŞ KÖFTE ğüıçö");

std::vector<FixtureSheet> productSheets() {
    return {
        {QStringLiteral("Ürünler"),
         {{QStringLiteral("Barkod"), QStringLiteral("Ad"), QStringLiteral("Not"),
           QStringLiteral("Fiyat")},
          {8690000000017.0, kName, {}, 12.5},
          {QStringLiteral("0869000000001"), QStringLiteral("Ayran"), {}, QStringLiteral("12,50")},
          {},
          {QStringLiteral("son")}}},
        {QStringLiteral("İçecekler"), {{QStringLiteral("Çay"), 7.0}}}};
}

class WorkbookReadTest : public test::FormatTest {};

TEST_P(WorkbookReadTest, ReadsTextsNumbersAndGapsAsWritten) {
    const test::TurkishLocale decimalComma; // neither writer nor reader may print "12,5"
    const WorkbookRead read = readWorkbook(write(productSheets()), 0);
    ASSERT_EQ(read.error, QString());
    EXPECT_EQ(read.sheetNames, QStringList({"Ürünler", "İçecekler"}));
    ASSERT_EQ(read.rows.size(), 5u);
    EXPECT_EQ(read.rows[0].size(), 4u);
    const SheetRow& kofte = read.rows[1];
    ASSERT_EQ(kofte.size(), 4u);
    EXPECT_EQ(kofte[0].kind, Kind::Number);
    EXPECT_EQ(cellText(kofte[0]), "8690000000017");
    EXPECT_EQ(kofte[1].kind, Kind::Text);
    EXPECT_EQ(kofte[1].text, kName);
    EXPECT_EQ(kofte[2].kind, Kind::Empty);
    EXPECT_EQ(kofte[3].kind, Kind::Number);
    EXPECT_EQ(cellPrice(kofte[3]), SheetPrice{12.5});
    const SheetRow& ayran = read.rows[2];
    ASSERT_EQ(ayran.size(), 4u);
    EXPECT_EQ(ayran[0].kind, Kind::Text);
    EXPECT_EQ(cellText(ayran[0]), "0869000000001");
    EXPECT_EQ(ayran[3].kind, Kind::Text);
    EXPECT_EQ(cellPrice(ayran[3]), SheetPrice{12.5});
    EXPECT_TRUE(read.rows[3].empty());
    ASSERT_EQ(read.rows[4].size(), 1u);
    EXPECT_EQ(read.rows[4][0].text, "son");
}

TEST_P(WorkbookReadTest, ReadsTheSheetAtItsPosition) {
    const WorkbookRead read = readWorkbook(write(productSheets()), 1);
    ASSERT_EQ(read.error, QString());
    EXPECT_EQ(read.sheetNames, QStringList({"Ürünler", "İçecekler"}));
    ASSERT_EQ(read.rows.size(), 1u);
    ASSERT_EQ(read.rows[0].size(), 2u);
    EXPECT_EQ(read.rows[0][0].text, "Çay");
    EXPECT_EQ(cellText(read.rows[0][1]), "7");
}

TEST_P(WorkbookReadTest, RefusesAPositionWithoutASheet) {
    const QString path = write(productSheets());
    for (const auto& [position, asked] : {std::pair{2, "3"}, std::pair{-1, "0"}}) {
        const WorkbookRead read = readWorkbook(path, position);
        EXPECT_EQ(read.error, QStringLiteral("\"%1\" dosyasında 2 sayfa var; %2. sayfa yok.")
                                  .arg(path, QString::fromLatin1(asked)));
        EXPECT_EQ(read.sheetNames, QStringList({"Ürünler", "İçecekler"}));
        EXPECT_TRUE(read.rows.empty());
    }
}

TEST_P(WorkbookReadTest, TellsTheFormatByItsBytesNotItsName) {
    const QString path = pathFor("yanlis-ad", GetParam().otherExtension);
    GetParam().write(path, productSheets());
    const WorkbookRead read = readWorkbook(path, 0);
    ASSERT_EQ(read.error, QString());
    ASSERT_EQ(read.rows.size(), 5u);
    EXPECT_EQ(read.rows[1][1].text, kName);
}

// A date reads as the date it shows, not as the day count the file keeps;
// a line break as written, though an .xlsx escapes its carriage return.
TEST_P(WorkbookReadTest, ReadsDatesAsTheyShowAndTextsAsWritten) {
    using test::FormattedNumber;
    const FixtureSheet sheet{
        QStringLiteral("Menü"),
        {{FormattedNumber{45731, "dd.mm.yyyy"}, FormattedNumber{45731.5, "dd.mm.yyyy hh:mm"},
          FormattedNumber{0.75, "hh:mm"}, FormattedNumber{1234.5, "#,##0.00 \"TL\""},
          QStringLiteral("Adana\r\nKebap"), QStringLiteral("_x0041_ kalır")}}};
    const WorkbookRead read = readWorkbook(write({sheet}), 0);
    ASSERT_EQ(read.error, QString());
    ASSERT_EQ(read.rows.size(), 1u);
    const struct {
        Kind kind;
        const char* text;
        double number;
    } expected[] = {
        {Kind::Other, "2025-03-15", 0},    {Kind::Other, "2025-03-15 12:00:00", 0},
        {Kind::Other, "18:00:00", 0},      {Kind::Number, "", 1234.5},
        {Kind::Text, "Adana\r\nKebap", 0}, {Kind::Text, "_x0041_ kalır", 0},
    };
    ASSERT_EQ(read.rows[0].size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const Cell& cell = read.rows[0][i];
        EXPECT_EQ(cell.kind, expected[i].kind) << i;
        EXPECT_EQ(cell.text, QString::fromUtf8(expected[i].text)) << i;
        EXPECT_EQ(cell.number, expected[i].number) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, WorkbookReadTest, test::allFormats(), test::formatName);

// Formulas and truth values come only from .xlsx files other programs save.
TEST(XlsxCellsTest, FormulasGiveTheirSavedResultTruthValuesTheirWord) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("formul.xlsx"));
    lxw_workbook* book = workbook_new(QFile::encodeName(path).constData());
    lxw_worksheet* sheet = workbook_add_worksheet(book, nullptr);
    worksheet_write_formula_num(sheet, 0, 0, "=1+2", nullptr, 3);
    worksheet_write_formula_str(sheet, 0, 1, "=\"A\"&\"B\"", nullptr, "AB");
    worksheet_write_boolean(sheet, 0, 2, 1, nullptr);
    worksheet_write_boolean(sheet, 0, 3, 0, nullptr);
    // A text in runs of two fonts reads as one text.
    lxw_format* bold = workbook_add_format(book);
    format_set_bold(bold);
    lxw_rich_string_tuple plain{nullptr, const_cast<char*>("Adana ")};
    lxw_rich_string_tuple strong{bold, const_cast<char*>("Kebap")};
    lxw_rich_string_tuple* runs[] = {&plain, &strong, nullptr};
    worksheet_write_rich_string(sheet, 0, 4, runs, nullptr);
    ASSERT_EQ(workbook_close(book), LXW_NO_ERROR);

    const WorkbookRead read = readWorkbook(path, 0);
    ASSERT_EQ(read.error, QString());
    ASSERT_EQ(read.rows.size(), 1u);
    const SheetRow& row = read.rows[0];
    ASSERT_EQ(row.size(), 5u);
    EXPECT_EQ(row[0].kind, Kind::Number);
    EXPECT_EQ(row[0].number, 3);
    EXPECT_EQ(row[1].kind, Kind::Text);
    EXPECT_EQ(row[1].text, "AB");
    EXPECT_EQ(row[2].kind, Kind::Other);
    EXPECT_EQ(row[2].text, "TRUE");
    EXPECT_EQ(row[3].text, "FALSE");
    EXPECT_EQ(row[4].kind, Kind::Text);
    EXPECT_EQ(row[4].text, "Adana Kebap");
}

// A value typed into the last cell of a sheet by mistake stretches the used
// range over every row and column; reading must not visit all of them.
TEST(XlsxCellsTest, AStrayCellInTheLastCornerIsReadQuickly) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("kose.xlsx"));
    lxw_workbook* book = workbook_new(QFile::encodeName(path).constData());
    lxw_worksheet* sheet = workbook_add_worksheet(book, nullptr);
    worksheet_write_string(sheet, 0, 0, "Barkod", nullptr);
    worksheet_write_number(sheet, 1048575, 16383, 1, nullptr);
    ASSERT_EQ(workbook_close(book), LXW_NO_ERROR);

    QElapsedTimer timer;
    timer.start();
    const WorkbookRead read = readWorkbook(path, 0);
    EXPECT_LT(timer.elapsed(), 20000);
    ASSERT_EQ(read.error, QString());
    ASSERT_EQ(read.rows.size(), 1048576u);
    EXPECT_EQ(read.rows[0].size(), 1u);
    EXPECT_TRUE(read.rows[1].empty());
    ASSERT_EQ(read.rows.back().size(), 16384u);
    EXPECT_EQ(read.rows.back().back().number, 1);
}

} // namespace
} // namespace parvela::spreadsheets
