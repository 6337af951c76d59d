#include "FixtureFormats.h"
#include "spreadsheets/Workbook.h"

#include <QDir>
#include <QRandomGenerator>
#include <gtest/gtest-spi.h>

namespace parvela::spreadsheets {
namespace {

using test::FixtureSheet;

const std::vector<FixtureSheet> kSheet{
    {QStringLiteral("Ürünler"),
     {{QStringLiteral("Barkod"), QStringLiteral("Ad")}, {8690000000017.0, QStringLiteral("Çay")}}}};

void expectRefused(const WorkbookRead& read, const QString& error) {
    EXPECT_EQ(read.error, error);
    EXPECT_TRUE(read.sheetNames.isEmpty());
    EXPECT_TRUE(read.rows.empty());
}

class WorkbookDamageTest : public test::FormatTest {};

TEST_P(WorkbookDamageTest, ADamagedFileIsReportedWithTheReadersWords) {
    const QByteArray whole = bytesOf(write(kSheet));
    const QByteArray signature = whole.left(8);
    QByteArray noise(4096, '\0');
    QRandomGenerator random(20261208);
    for (char& byte : noise)
        byte = static_cast<char>(random.bounded(256));
    const std::pair<const char*, QByteArray> damaged[] = {
        {"yarim", whole.left(whole.size() / 2)},
        {"son-bayt-eksik", whole.chopped(1)},
        {"yalniz-imza", signature},
        {"imza-ve-gurultu", signature + noise},
    };
    for (const auto& [name, bytes] : damaged) {
        const QString path = writeBytes(name, bytes);
        const WorkbookRead read = readWorkbook(path, 0);
        const QString sentence =
            QStringLiteral("\"%1\" dosyası okunamadı; tablo bozuk ya da eksik.\n").arg(path);
        EXPECT_TRUE(read.error.startsWith(sentence)) << name << ": " << read.error.toStdString();
        EXPECT_GT(read.error.size(), sentence.size()) << name << ": the reader's words are missing";
        EXPECT_TRUE(read.rows.empty()) << name;
    }
}

TEST_P(WorkbookDamageTest, AnEmptyOrForeignFileIsNoWorkbook) {
    const QString empty = writeBytes("bos", {});
    expectRefused(readWorkbook(empty, 0), QStringLiteral("\"%1\" dosyası boş.").arg(empty));
    const QString text = writeBytes("metin", "Barkod;Ad\n8690000000017;Çay\n");
    expectRefused(
        readWorkbook(text, 0),
        QStringLiteral("\"%1\" dosyası bir Excel tablosu değil (.xls ya da .xlsx).").arg(text));
}

INSTANTIATE_TEST_SUITE_P(Formats, WorkbookDamageTest, test::allFormats(), test::formatName);

// A ZIP archive holding one empty file "a.txt": a container like .xlsx,
// with no workbook in it.
QByteArray emptyZip() {
    return QByteArray::fromHex("504b03041400000000000000000000000000000000000000000005000000612e74"
                               "7874504b0102140014000000000000000000000000000000000000000000050000"
                               "000000000000000000000000000000612e747874504b05060000000001000100"
                               "33000000230000000000");
}

TEST(WorkbookFileTest, AnOtherZipArchiveIsNoWorkbook) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("arsiv.xlsx"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(emptyZip());
    file.close();
    expectRefused(
        readWorkbook(path, 0),
        QStringLiteral("\"%1\" dosyası bir Excel tablosu değil (.xls ya da .xlsx).").arg(path));
}

TEST(WorkbookFileTest, AMissingFileOrAFolderIsNamedInTheError) {
    QTemporaryDir folder;
    const QString missing = folder.filePath(QStringLiteral("yok.xls"));
    expectRefused(readWorkbook(missing, 0),
                  QStringLiteral("\"%1\" dosyası bulunamadı.").arg(missing));
    expectRefused(readWorkbook(folder.path(), 0),
                  QStringLiteral("\"%1\" dosyası okunamadı: bir klasör").arg(folder.path()));
}

// FreeXL cannot decrypt; a file it finds obfuscated is refused, not read as
// garbage. The file's code page record becomes a password record.
TEST(WorkbookFileTest, APasswordProtectedXlsIsRefused) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("parolali.xls"));
    test::writeXlsFixture(path, kSheet);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    const qsizetype codePage = bytes.indexOf(QByteArray("\x42\x00\x02\x00\xB0\x04", 6));
    ASSERT_GE(codePage, 0);
    bytes[codePage] = '\x2F';
    file.seek(0);
    file.write(bytes);
    file.close();
    expectRefused(readWorkbook(path, 0),
                  QStringLiteral("\"%1\" dosyası parola ile korunuyor; parolasız kaydedip yeniden "
                                 "deneyin.")
                      .arg(path));
}

TEST(SheetFixturesTest, AWorkbookThatCannotBeWrittenFailsTheTest) {
    EXPECT_NONFATAL_FAILURE(test::writeXlsxFixture(QStringLiteral("/yok/tablo.xlsx"), kSheet),
                            "could not write /yok/tablo.xlsx");
    EXPECT_NONFATAL_FAILURE(test::writeXlsFixture(QStringLiteral("/yok/tablo.xls"), kSheet),
                            "make-xls could not write /yok/tablo.xls");
}

} // namespace
} // namespace parvela::spreadsheets
