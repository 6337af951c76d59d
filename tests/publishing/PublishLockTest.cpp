#include "publishing/PublishLock.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace parvela::publishing;

namespace {

const RunStarter kFirst{QStringLiteral("mudur"), QStringLiteral("KASA1"),
                        QDateTime(QDate(2026, 12, 9), QTime(10, 15, 3))};
const RunStarter kSecond{QStringLiteral("1001"), QStringLiteral("KASA2"),
                         QDateTime(QDate(2026, 12, 9), QTime(10, 15, 4))};

} // namespace

// One run at a time per folder: a second is told who started the running one
// and when, and may go once that one has ended, or died.
TEST(PublishLockTest, aSecondRunIsRefusedWithWhoStartedTheFirstUntilItEnds) {
    QTemporaryDir root;
    const QString folder = root.filePath(QStringLiteral("Orvanta/transfer"));
    auto first = std::make_unique<PublishLock>(folder, kFirst);
    ASSERT_TRUE(first->held()) << first->refusal().toStdString();
    const PublishLock second(folder, kSecond);
    EXPECT_FALSE(second.held());
    EXPECT_EQ(second.refusal(),
              QStringLiteral("Başka bir yayın sürüyor: mudur kullanıcısı KASA1 bilgisayarında "
                             "09.12.2026 10:15:03 başlattı. Bittiğinde yeniden deneyin."));
    first.reset();
    EXPECT_TRUE(PublishLock(folder, kSecond).held());

    // A holder killed in the middle of its run frees the folder.
    QProcess holder;
    holder.start(QStringLiteral("python3"), {QStringLiteral("-c"),
                                             QStringLiteral("import fcntl, sys, time\n"
                                                            "lock = open(sys.argv[1], 'a')\n"
                                                            "fcntl.flock(lock, fcntl.LOCK_EX)\n"
                                                            "print('held', flush=True)\n"
                                                            "time.sleep(60)\n"),
                                             QDir(folder).filePath(kPublishLockFile)});
    ASSERT_TRUE(holder.waitForReadyRead(10000));
    EXPECT_FALSE(PublishLock(folder, kSecond).held());
    holder.kill();
    holder.waitForFinished();
    EXPECT_TRUE(PublishLock(folder, kSecond).held());
}
