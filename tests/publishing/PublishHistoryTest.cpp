#include "publishing/PublishHistory.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <thread>

using namespace parvela::publishing;

namespace {

HistoryRecord catalogueRun(const QString& user, bool sent) {
    CataloguePublishResult result;
    result.files.push_back(
        {QStringLiteral("stokdef.dat"), 1608, QByteArray(64, 'a'), {}, std::nullopt});
    if (sent) {
        result.files.back().upload = 1;
        result.insertRequest = 0;
        result.uploadNotice = 0;
        result.synchId = 12037;
    }
    result.success = true;
    return catalogueRecord(result, user, QDateTime(QDate(2026, 12, 8), QTime(20, 30)));
}

} // namespace

TEST(PublishHistoryTest, aRecordComesBackAsItWasKept) {
    const HistoryRecord kept = catalogueRun(QStringLiteral("mudur"), true);
    const std::optional<HistoryRecord> read = recordFromLine(historyLine(kept));
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->time, kept.time);
    EXPECT_EQ(read->user, QStringLiteral("mudur"));
    EXPECT_EQ(read->kind, kCatalogueKind);
    ASSERT_EQ(read->files.size(), 1U);
    EXPECT_EQ(read->files[0].name, QStringLiteral("stokdef.dat"));
    EXPECT_EQ(read->files[0].size, 1608);
    EXPECT_EQ(read->files[0].sha256, QByteArray(64, 'a'));
    EXPECT_EQ(read->files[0].upload, std::optional<int>(1));
    EXPECT_EQ(read->uploadNotice, std::optional<int>(0));
    EXPECT_EQ(read->synchId, 12037U);
    EXPECT_TRUE(read->success);
    EXPECT_EQ(read->status, kPublishedStatus);
    // One line: the file stays one record per line.
    EXPECT_FALSE(historyLine(kept).contains('\n'));
}

TEST(PublishHistoryTest, aRunThatOnlyWroteDoesNotReadAsSent) {
    const HistoryRecord written = catalogueRun(QStringLiteral("1001"), false);
    EXPECT_EQ(written.status, kWrittenOnlyStatus);
    EXPECT_FALSE(recordFromLine(historyLine(written))->files[0].upload.has_value());
    EXPECT_TRUE(historyText(written).contains(QStringLiteral("stokdef.dat  1608 bayt  yükleme -")));
}

TEST(PublishHistoryTest, runsAreAddedToTheFileAndReadNewestFirst) {
    QTemporaryDir folder;
    EXPECT_EQ(appendHistory(folder.path(), catalogueRun(QStringLiteral("ilk"), true)), QString());
    // A line another program spoilt is passed over.
    QFile file(QDir(folder.path()).filePath(kHistoryFile));
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("{bozuk\n");
    file.close();
    EXPECT_EQ(appendHistory(folder.path(), catalogueRun(QStringLiteral("son"), false)), QString());
    const std::vector<HistoryRecord> records = readHistory(folder.path());
    ASSERT_EQ(records.size(), 2U);
    EXPECT_EQ(records[0].user, QStringLiteral("son"));
    EXPECT_EQ(records[1].user, QStringLiteral("ilk"));
    EXPECT_TRUE(readHistory(folder.filePath(QStringLiteral("yok"))).empty());
    // A folder that is not there is said, not passed over.
    EXPECT_FALSE(appendHistory(folder.filePath(QStringLiteral("yok")),
                               catalogueRun(QStringLiteral("x"), true))
                     .isEmpty());
}

TEST(PublishHistoryTest, aMenuRunRecordsItsPageAndWhetherItWentUp) {
    QTemporaryDir folder;
    const QString page = folder.filePath(QStringLiteral("index.html"));
    QFile file(page);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<html></html>");
    file.close();
    const HistoryRecord up =
        menuRecord(page, WebResult{kUploadDone, {}}, QStringLiteral("mudur"), QDateTime());
    EXPECT_EQ(up.kind, kMenuKind);
    ASSERT_EQ(up.files.size(), 1U);
    EXPECT_EQ(up.files[0].size, 13);
    EXPECT_EQ(up.files[0].sha256.size(), 64);
    EXPECT_TRUE(up.success);
    EXPECT_FALSE(menuRecord(page, WebResult{kNoFolder, QStringLiteral("yok")},
                            QStringLiteral("mudur"), QDateTime())
                     .success);
}

// Runs ending at once on several stations each replace the file whole: none
// may write over a record another kept meanwhile.
TEST(PublishHistoryTest, runsEndingAtOnceKeepEveryRecordWhole) {
    QTemporaryDir folder;
    constexpr int kRuns = 4;
    constexpr int kRecordsEach = 25;
    std::vector<std::thread> runs;
    for (int run = 0; run < kRuns; ++run)
        runs.emplace_back([&folder, run] {
            for (int i = 0; i < kRecordsEach; ++i)
                EXPECT_EQ(
                    appendHistory(folder.path(),
                                  catalogueRun(QStringLiteral("%1-%2").arg(run).arg(i), true)),
                    QString());
        });
    for (std::thread& run : runs)
        run.join();
    QFile file(QDir(folder.path()).filePath(kHistoryFile));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().count('\n'), kRuns * kRecordsEach);
    QSet<QString> users;
    for (const HistoryRecord& record : readHistory(folder.path()))
        users.insert(record.user);
    EXPECT_EQ(users.size(), kRuns * kRecordsEach);
}

// A run the user stopped is neither sent nor failed, and is kept so.
TEST(PublishHistoryTest, aCancelledRunIsKeptAsCancelled) {
    QTemporaryDir folder;
    const QString page = folder.filePath(QStringLiteral("index.html"));
    CataloguePublishResult stopped;
    stopped.reason = QStringLiteral("stokdeffile.txt: ") + kCancelledReason;
    stopped.cancelled = true;
    const struct {
        HistoryRecord record;
        QString status;
    } cases[] = {
        {catalogueRecord(stopped, QStringLiteral("mudur"), QDateTime()), kCancelledPublishStatus},
        {menuRecord(page, WebResult{kPutFailed, kCancelledReason}, QStringLiteral("mudur"),
                    QDateTime()),
         kMenuCancelledStatus},
    };
    for (const auto& [record, status] : cases) {
        const std::optional<HistoryRecord> read = recordFromLine(historyLine(record));
        ASSERT_TRUE(read.has_value());
        EXPECT_EQ(read->status, status);
        EXPECT_TRUE(read->cancelled);
        EXPECT_FALSE(read->success);
        EXPECT_TRUE(historyText(*read).contains(kCancelledReason)) << status.toStdString();
    }
}
