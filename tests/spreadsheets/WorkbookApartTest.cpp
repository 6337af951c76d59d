#include "spreadsheets/WorkbookApart.h"

#include "PrintQString.h"
#include "SheetFixtures.h"
#include "platform/HelperPrograms.h"
#include "spreadsheets/WorkbookCodec.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <gtest/gtest.h>
#include <unistd.h>

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
