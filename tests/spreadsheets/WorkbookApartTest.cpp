#include "spreadsheets/WorkbookApart.h"

#include "PrintQString.h"
#include "SheetFixtures.h"
#include "platform/HelperPrograms.h"
#include "spreadsheets/WorkbookCodec.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <csignal>
#include <cstdio>
#include <gtest/gtest.h>
#include <unistd.h>
#include <xlsxwriter.h>

namespace parvela::spreadsheets {
namespace {

using namespace std::chrono_literals;

void expectSameRead(const WorkbookRead& apart, const WorkbookRead& here) {
    EXPECT_EQ(apart.error, here.error);
    EXPECT_EQ(apart.sheetNames, here.sheetNames);
    ASSERT_EQ(apart.rows.size(), here.rows.size());
    for (std::size_t r = 0; r < here.rows.size(); ++r) {
        ASSERT_EQ(apart.rows[r].size(), here.rows[r].size()) << "row " << r;
        for (std::size_t c = 0; c < here.rows[r].size(); ++c) {
            EXPECT_EQ(apart.rows[r][c].kind, here.rows[r][c].kind);
            EXPECT_EQ(apart.rows[r][c].text, here.rows[r][c].text);
            EXPECT_EQ(apart.rows[r][c].number, here.rows[r][c].number);
        }
    }
}

class WorkbookApartTest : public ::testing::Test {
protected:
    // A stand-in reader: a shell script doing `body`.
    QString fakeReader(const char* name, const char* body) {
        const QString path = m_folder.filePath(QString::fromLatin1(name));
        QFile script(path);
        EXPECT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(QByteArray("#!/bin/sh\n") + body + "\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }

    QTemporaryDir m_folder;
    QString m_sheet = m_folder.filePath(QStringLiteral("menü.xlsx"));
};

TEST_F(WorkbookApartTest, theReaderProgramGivesWhatReadingHereGives) {
    const QString reader = platform::helperProgram(QString::fromLatin1(kSheetReaderProgram));
    ASSERT_FALSE(reader.isEmpty());
    test::writeXlsxFixture(m_sheet, {{QStringLiteral("Menü"), {{QStringLiteral("Ad")}}},
                                     {QStringLiteral("Tatlılar"),
                                      {{8690000000017.0, QStringLiteral("Künefe"), {}, 12.5}}}});
    expectSameRead(readWorkbookApart(reader, m_sheet, 1), readWorkbook(m_sheet, 1));
    // The reader's own refusals come through as they are.
    const QString missing = m_folder.filePath(QStringLiteral("yok.xls"));
    expectSameRead(readWorkbookApart(reader, missing, 0), readWorkbook(missing, 0));
    expectSameRead(readWorkbookApart(reader, m_sheet, 5), readWorkbook(m_sheet, 5));
}

TEST_F(WorkbookApartTest, aReaderThatCrashesHangsOrMumblesLeavesADamagedFileNotice) {
    const QString damaged =
        QStringLiteral("\"%1\" dosyası okunamadı; tablo bozuk ya da eksik.\n").arg(m_sheet);
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"crash", "kill -SEGV $$", "Okuyan kitaplık dosyada çöktü."},
        {"hang", "exec sleep 30", "Okuma 0 saniyede bitmedi."},
        {"mumble", "echo half an answer", "Okuyucunun yanıtı eksik."},
    };
    for (const auto& [name, body, why] : cases) {
        const WorkbookRead read = readWorkbookApart(fakeReader(name, body), m_sheet, 0, 300ms);
        EXPECT_EQ(read.error, damaged + QString::fromUtf8(why)) << name;
        EXPECT_TRUE(read.rows.empty()) << name;
    }
    EXPECT_EQ(readWorkbookApart({}, m_sheet, 0).error,
              QStringLiteral("Tablo okuyucu program (parvela-sheet-reader) bulunamadı."));
}

// "İptal" during a read that hangs ends it at once: the reader is killed and
// the read says it was cancelled, not that the file is damaged.
TEST_F(WorkbookApartTest, aCancelledReadKillsTheReaderAtOnce) {
    const QString pidFile = m_folder.filePath(QStringLiteral("reader.pid"));
    const QByteArray body = QStringLiteral("echo $$ > '%1'; exec sleep 30").arg(pidFile).toUtf8();
    const QString reader = fakeReader("hang", body.constData());
    QElapsedTimer clock;
    clock.start();
    // Pressed once the reader is at work.
    const WorkbookRead read =
        readWorkbookApart(reader, m_sheet, 0, kSheetReadLimit, kSheetReaderMemory,
                          [&pidFile] { return QFileInfo(pidFile).size() > 0; });
    EXPECT_LT(clock.elapsed(), 10000) << "not the 120 s of the read's limit";
    EXPECT_EQ(read.error, kSheetReadCancelled);
    QFile pid(pidFile);
    ASSERT_TRUE(pid.open(QIODevice::ReadOnly));
    EXPECT_NE(::kill(static_cast<pid_t>(pid.readAll().trimmed().toLongLong()), 0), 0)
        << "the reader still runs";
}

// Makes the ZIP directory of `path` claim that its part `name` unpacks to
// `size` bytes; the part still unpacks to what it holds.
void claimPartSize(const QString& path, const QByteArray& name, quint32 size) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    // The directory comes last, each entry's name 46 bytes after its start.
    const qsizetype entry = bytes.lastIndexOf(name) - 46;
    ASSERT_GT(entry, 0);
    ASSERT_EQ(bytes.mid(entry, 4), QByteArray("PK\x01\x02", 4));
    const qsizetype sizeField = entry + 24;
    for (int i = 0; i < 4; ++i)
        bytes[sizeField + i] = static_cast<char>((size >> (8 * i)) & 0xFF);
    file.seek(0);
    file.write(bytes);
}

// A sheet whose rows each reach the last column: in the rows the reader
// hands over, every cell before it is held too.
void writeWideSheet(const QString& path, int rows) {
    lxw_workbook* book = workbook_new(QFile::encodeName(path).constData());
    lxw_worksheet* sheet = workbook_add_worksheet(book, nullptr);
    for (int r = 0; r < rows; ++r) {
        worksheet_write_string(sheet, static_cast<lxw_row_t>(r), 0, "Ad", nullptr);
        worksheet_write_number(sheet, static_cast<lxw_row_t>(r), 16383, r, nullptr);
    }
    ASSERT_EQ(workbook_close(book), LXW_NO_ERROR);
}

// The memory the tests give the reader: far below what a file that
// unpacks past the bounds would take without them.
constexpr qint64 kTestMemory = 256LL * 1024 * 1024;

// A small file can unpack to gigabytes: the reader stops at its bounds,
// within little memory and in seconds, and the user hears which bound the
// file passed.
TEST_F(WorkbookApartTest, aSheetPastABoundIsRefusedQuicklyNamingTheFileAndTheBound) {
    const QString reader = platform::helperProgram(QString::fromLatin1(kSheetReaderProgram));
    const test::FixtureSheet menu{QStringLiteral("Menü"), {{QStringLiteral("Ad")}}};
    const QString padded = m_folder.filePath(QStringLiteral("dolgu.xlsx"));
    test::writeInlineXlsxFixture(padded, {menu}, 40 * 1024 * 1024);
    // A directory that understates the part's size changes nothing.
    const QString understated = m_folder.filePath(QStringLiteral("kucuk-gorunen.xlsx"));
    ASSERT_TRUE(QFile::copy(padded, understated));
    claimPartSize(understated, "xl/worksheets/sheet1.xml", 100);
    const QString wide = m_folder.filePath(QStringLiteral("genis.xlsx"));
    writeWideSheet(wide, 70);
    const std::pair<QString, const char*> cases[] = {
        {padded, "açıldığında 32 MB sınırını aşıyor"},
        {understated, "açıldığında 32 MB sınırını aşıyor"},
        {wide, "1000000 hücre sınırını aşıyor"},
    };
    for (const auto& [path, bound] : cases) {
        QElapsedTimer timer;
        timer.start();
        const WorkbookRead read = readWorkbookApart(reader, path, 0, kSheetReadLimit, kTestMemory);
        EXPECT_EQ(read.error, QStringLiteral("\"%1\" dosyası okunmadı: tablo %2.")
                                  .arg(path, QString::fromUtf8(bound)));
        EXPECT_TRUE(read.rows.empty()) << bound;
        EXPECT_LT(timer.elapsed(), 10000) << bound;
    }
}

TEST_F(WorkbookApartTest, aReaderPastItsMemoryIsStoppedAndSaysTheSheetIsTooLarge) {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    GTEST_SKIP() << "a sanitized reader maps more than any memory limit at start";
#endif
    const QString reader = platform::helperProgram(QString::fromLatin1(kSheetReaderProgram));
    const QString padded = m_folder.filePath(QStringLiteral("dolgu.xlsx"));
    test::writeInlineXlsxFixture(padded, {{QStringLiteral("Menü"), {{QStringLiteral("Ad")}}}},
                                 25 * 1024 * 1024);
    const qint64 memory = 64LL * 1024 * 1024;
    const WorkbookRead read = readWorkbookApart(reader, padded, 0, kSheetReadLimit, memory);
    EXPECT_EQ(read.error,
              QStringLiteral("\"%1\" dosyası okunmadı: tablo okunurken 64 MB bellek sınırını "
                             "aşıyor.")
                  .arg(padded));
    EXPECT_EQ(readWorkbookApart(reader, padded, 0).error, QString()) << "read within the default";
}

// What this program writes on standard error while `work` runs.
template <typename Work> QByteArray standardErrorOf(const QString& file, Work work) {
    std::fflush(stderr);
    const int saved = dup(STDERR_FILENO);
    QFile sink(file);
    EXPECT_TRUE(sink.open(QIODevice::WriteOnly));
    dup2(sink.handle(), STDERR_FILENO);
    work();
    dup2(saved, STDERR_FILENO);
    close(saved);
    sink.close();
    EXPECT_TRUE(sink.open(QIODevice::ReadOnly));
    return sink.readAll();
}

// A sanitizer's report or a library's complaint in the reader is not lost.
TEST_F(WorkbookApartTest, whatTheReaderSaysOnStandardErrorReachesOurs) {
    const QString reader = fakeReader("complain", "echo 'kötü kayıt 7' >&2; exit 1");
    WorkbookRead read;
    const QByteArray said = standardErrorOf(m_folder.filePath(QStringLiteral("stderr.txt")),
                                            [&] { read = readWorkbookApart(reader, m_sheet, 0); });
    EXPECT_EQ(QString::fromUtf8(said), QStringLiteral("kötü kayıt 7\n"));
    EXPECT_TRUE(read.error.endsWith(QStringLiteral("Okuyan kitaplık dosyada çöktü.")))
        << read.error.toStdString();
}

TEST(WorkbookCodecTest, aCutOrForeignAnswerIsRefused) {
    WorkbookRead read;
    read.sheetNames = {QStringLiteral("Menü")};
    read.rows = {{{Cell::Kind::Text, QStringLiteral("Çay"), 0}, {Cell::Kind::Number, {}, 7.5}}};
    const QByteArray bytes = encodeWorkbook(read);
    ASSERT_TRUE(decodeWorkbook(bytes).has_value());
    EXPECT_EQ(decodeWorkbook(bytes)->rows.at(0).at(1).number, 7.5);
    EXPECT_FALSE(decodeWorkbook(bytes.chopped(1)).has_value());
    EXPECT_FALSE(decodeWorkbook(bytes + "x").has_value());
    EXPECT_FALSE(decodeWorkbook(QByteArray("PK\x03\x04")).has_value());
}

} // namespace
} // namespace parvela::spreadsheets
