#include "platform/AtomicFile.h"
#include "platform/MachineInfo.h"
#include "publishing/TransferFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace parvela;

namespace {

void plantFile(const QString& path, const QByteArray& bytes = "old") {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList entriesOf(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

TEST(TransferFolder, isMadeUnderTheDataRootOrUsedAsItIs) {
    QTemporaryDir root;
    const platform::MachineInfo machine(QStringLiteral("pc"), root.path());
    EXPECT_EQ(machine.transferFolder(), root.path() + QStringLiteral("/Orvanta/transfer"));
    EXPECT_EQ(publishing::makeTransferFolder(root.path()), 0);
    EXPECT_TRUE(QFileInfo(machine.transferFolder()).isDir());

    plantFile(machine.transferFolder() + QStringLiteral("/stokdef.dat"));
    EXPECT_EQ(publishing::makeTransferFolder(root.path()), 0);
    EXPECT_EQ(contentsOf(machine.transferFolder() + QStringLiteral("/stokdef.dat")), "old");
}

TEST(TransferFolder, aFileInTheWayGivesTheLevelThatFailed) {
    QTemporaryDir root;
    plantFile(root.filePath(QStringLiteral("Orvanta")));
    EXPECT_EQ(publishing::makeTransferFolder(root.path()), -1);

    QTemporaryDir other;
    ASSERT_TRUE(QDir(other.path()).mkdir(QStringLiteral("Orvanta")));
    plantFile(other.filePath(QStringLiteral("Orvanta/transfer")));
    EXPECT_EQ(publishing::makeTransferFolder(other.path()), -2);
}

TEST(AtomicWrite, replacesTheWholeFileWithTheExactBytes) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("grupA.dat"));
    plantFile(path, QByteArray(1000, 'x'));
    const std::string bytes("\0\x01\xFFz", 4);
    EXPECT_EQ(platform::writeFileAtomically(path, bytes), QString());
    EXPECT_EQ(contentsOf(path), QByteArray(bytes.data(), 4));
    EXPECT_EQ(entriesOf(folder.path()), QStringList{QStringLiteral("grupA.dat")});

    EXPECT_EQ(platform::writeFileAtomically(path, ""), QString());
    EXPECT_TRUE(QFileInfo::exists(path));
    EXPECT_EQ(QFileInfo(path).size(), 0);
}

TEST(AtomicWrite, aMissingFolderIsReportedAndNothingIsWritten) {
    QTemporaryDir root;
    const QString path = root.filePath(QStringLiteral("Orvanta/transfer/recete.dat"));
    const QString reason = platform::writeFileAtomically(path, "data");
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_TRUE(reason.contains(QStringLiteral("recete.dat")));
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_TRUE(entriesOf(root.path()).isEmpty());
}

TEST(AtomicWrite, aFolderStandingAtThePathIsReportedAndLeftAlone) {
    QTemporaryDir root;
    const QString path = root.filePath(QStringLiteral("stokdef.dat"));
    ASSERT_TRUE(QDir(root.path()).mkdir(QStringLiteral("stokdef.dat")));
    EXPECT_FALSE(platform::writeFileAtomically(path, "data").isEmpty());
    EXPECT_TRUE(QFileInfo(path).isDir());
    EXPECT_EQ(entriesOf(root.path()), QStringList{QStringLiteral("stokdef.dat")});
}

TEST(AtomicWrite, aReadOnlyFolderIsReportedAndKeepsTheOldFile) {
    QTemporaryDir root;
    const QString path = root.filePath(QStringLiteral("grupB.dat"));
    plantFile(path);
    QFile::setPermissions(root.path(), QFile::ReadOwner | QFile::ExeOwner);
    QFile probe(root.filePath(QStringLiteral("probe")));
    if (probe.open(QIODevice::WriteOnly)) {
        probe.remove();
        QFile::setPermissions(root.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        GTEST_SKIP() << "permissions do not bind this user";
    }
    const QString reason = platform::writeFileAtomically(path, "new contents");
    QFile::setPermissions(root.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_EQ(contentsOf(path), "old");
    EXPECT_EQ(entriesOf(root.path()), QStringList{QStringLiteral("grupB.dat")});
}
