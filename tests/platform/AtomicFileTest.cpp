#include "platform/AtomicFile.h"

#include "PrintQString.h"
#include "SmallDisk.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace parvela;

namespace {

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Whether the writer holds a file open in `folder`, other than `target`,
// that already has bytes in it. The temporary file may have no name (Linux
// O_TMPFILE), so it is looked for among the writer's open files.
bool writingStarted(qint64 pid, const QString& folder, const QString& target) {
    const QDir open(QStringLiteral("/proc/%1/fd").arg(pid));
    for (const QFileInfo& entry : open.entryInfoList(QDir::System | QDir::Files)) {
        const QString file = entry.symLinkTarget();
        struct stat facts {};
        if (file.startsWith(folder) && file != target &&
            ::stat(entry.filePath().toLocal8Bit().constData(), &facts) == 0 && facts.st_size > 0)
            return true;
    }
    return false;
}

// Starts the writer on `path` and kills it once its bytes are on their way.
// False when the writer finished before it could be caught.
bool killWriterMidway(const QString& path, int mebibytes) {
    QProcess writer;
    writer.start(QStringLiteral(PARVELA_ATOMIC_WRITER), {path, QString::number(mebibytes)});
    if (!writer.waitForStarted())
        return false;
    const QString folder = QFileInfo(path).absolutePath() + QLatin1Char('/');
    // Waiting a millisecond at a time also notices the writer's end.
    while (!writer.waitForFinished(1)) {
        if (writingStarted(writer.processId(), folder, path)) {
            ::kill(static_cast<pid_t>(writer.processId()), SIGKILL);
            writer.waitForFinished();
            return writer.exitStatus() == QProcess::CrashExit;
        }
    }
    return false;
}

} // namespace

// A writer killed in the middle leaves the old file as it was; the next
// write replaces it whole.
TEST(AtomicFile, aWriterKilledMidwayLeavesTheOldFileIntact) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("stok.txt"));
    ASSERT_TRUE(platform::writeFileAtomically(path, "eski içerik\n").isEmpty());

    bool killed = false;
    for (int mebibytes = 256; !killed && mebibytes <= 2048; mebibytes *= 2)
        killed = killWriterMidway(path, mebibytes);
    ASSERT_TRUE(killed) << "the writer always finished before it could be killed";
    EXPECT_EQ(contentsOf(path), QByteArray("eski içerik\n"));

    ASSERT_TRUE(platform::writeFileAtomically(path, "yeni içerik\n").isEmpty());
    EXPECT_EQ(contentsOf(path), QByteArray("yeni içerik\n"));
}

// A full disk fails the write with the system's reason and leaves the old
// file whole; no draft is left behind.
TEST(AtomicFile, aFullDiskKeepsTheOldFileAndSaysWhy) {
    const test::SmallDisk disk;
    if (!disk.mounted())
        GTEST_SKIP() << disk.whyNot().toStdString();
    const QString path = disk.filePath(QStringLiteral("terazi_plu.txt"));
    const std::string old(10000, 'o');
    ASSERT_TRUE(platform::writeFileAtomically(path, old).isEmpty());
    disk.fill();

    // Small enough to sit in a write buffer, and larger than one.
    for (const std::size_t size : {std::size_t{1}, std::size_t{3} << 20}) {
        const QString reason = platform::writeFileAtomically(path, std::string(size, 'n'));
        EXPECT_EQ(reason, path + QStringLiteral(" yazılamadı: No space left on device")) << size;
        EXPECT_EQ(contentsOf(path), QByteArray::fromStdString(old)) << size;
    }
    // Made piece by piece: the maker is stopped at the first piece refused.
    int made = 0;
    const QString reason =
        platform::writeFileAtomically(path, [&](const platform::PieceSink& sink) {
            while (made < 64 && sink(std::string(64 << 10, 'p')))
                ++made;
        });
    EXPECT_EQ(reason, path + QStringLiteral(" yazılamadı: No space left on device"));
    EXPECT_LT(made, 64);
    EXPECT_EQ(contentsOf(path), QByteArray::fromStdString(old));
    EXPECT_EQ(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList({QStringLiteral(".filler"), QStringLiteral("terazi_plu.txt")}));
}

// A link planted where the file goes is replaced by the file; what it
// pointed at is left as it was, whether there or not.
TEST(AtomicFile, aPlantedLinkIsReplacedNeverWrittenThrough) {
    QTemporaryDir folder;
    const QString victim = folder.filePath(QStringLiteral("victim"));
    ASSERT_TRUE(platform::writeFileAtomically(victim, "keep").isEmpty());
    const struct {
        const char* name;
        QString target;
    } cases[] = {{"to a file", victim},
                 {"to a missing file", folder.filePath(QStringLiteral("missing"))},
                 {"to a folder", folder.path()}};
    for (const auto& planted : cases) {
        const QString path = folder.filePath(QStringLiteral("history.jsonl"));
        QFile::remove(path);
        ASSERT_TRUE(QFile::link(planted.target, path)) << planted.name;
        EXPECT_TRUE(platform::writeFileAtomically(path, "new\n").isEmpty()) << planted.name;
        EXPECT_FALSE(QFileInfo(path).isSymLink()) << planted.name;
        EXPECT_EQ(contentsOf(path), QByteArray("new\n")) << planted.name;
    }
    EXPECT_EQ(contentsOf(victim), QByteArray("keep"));
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("missing"))));
}
