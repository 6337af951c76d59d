#include "platform/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace parvela::platform {

namespace {

// Never empty: an empty reason would read as success.
QString reasonOf(const QFileDevice& file) {
    const QString why = file.errorString();
    return why.isEmpty() ? QStringLiteral("bilinmeyen hata") : why;
}

// A hidden name beside the target, new for every write.
QString draftPathOf(const QString& path) {
    const QFileInfo target(path);
    return target.dir().filePath(QStringLiteral(".%1.%2.tmp")
                                     .arg(target.fileName())
                                     .arg(QRandomGenerator::global()->generate64(), 0, 36));
}

std::filesystem::path systemPath(const QString& path) {
#ifdef Q_OS_WIN
    return std::filesystem::path(path.toStdWString());
#else
    const QByteArray bytes = QFile::encodeName(path);
    return std::filesystem::path(bytes.toStdString());
#endif
}

// The bytes on the disk, not in a cache the disk may still refuse.
QString syncToDisk(const QFile& file) {
#ifdef Q_OS_WIN
    const int result = _commit(file.handle());
#else
    const int result = ::fsync(file.handle());
#endif
    return result == 0 ? QString() : QString::fromLocal8Bit(std::strerror(errno));
}

// Empty when every byte reached the file, else the system's reason.
QString writeAll(QFile& draft, std::string_view bytes) {
    const auto size = static_cast<qint64>(bytes.size());
    // A write cut short says why only when asked for the rest.
    for (qint64 done = 0; done < size;) {
        const qint64 written = draft.write(bytes.data() + done, size - done);
        if (written <= 0)
            return reasonOf(draft);
        done += written;
    }
    return {};
}

// Starts the disk on what was written since `from` once there is enough of
// it, so that the closing sync waits for little more than the last of it.
void startWriteBack(const QFile& draft, qint64& from, qint64 to) {
#if defined(SYNC_FILE_RANGE_WRITE)
    constexpr qint64 kEnough = 1 << 20;
    if (to - from < kEnough)
        return;
    // Only a head start: the sync after the last byte still decides.
    ::sync_file_range(draft.handle(), from, to - from, SYNC_FILE_RANGE_WRITE);
    from = to;
#else
    static_cast<void>(draft);
    static_cast<void>(from);
    static_cast<void>(to);
#endif
}

// Empty when every byte made reached the disk, else the system's reason.
QString fill(QFile& draft, const FileMaker& make) {
    QString why;
    qint64 written = 0;
    qint64 writtenBack = 0;
    make([&](std::string_view piece) {
        why = writeAll(draft, piece);
        written += static_cast<qint64>(piece.size());
        startWriteBack(draft, writtenBack, written);
        return why.isEmpty();
    });
    if (!why.isEmpty())
        return why;
    if (!draft.flush())
        return reasonOf(draft);
    if (why = syncToDisk(draft); !why.isEmpty())
        return why;
    draft.close();
    return draft.error() == QFileDevice::NoError ? QString() : reasonOf(draft);
}

// A replaced file keeps its permissions; a link's target's are not its own.
void keepPermissions(const QString& path, QFile& draft) {
    const QFileInfo old(path);
    if (old.isFile() && !old.isSymLink())
        draft.setPermissions(old.permissions());
}

QString replaceFile(const QString& path, const FileMaker& make) {
    const QString draftPath = draftPathOf(path);
    QFile draft(draftPath);
    // NewOnly: never through a file or a link already under the draft's name.
    if (!draft.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        return reasonOf(draft);
    if (const QString why = fill(draft, make); !why.isEmpty()) {
        draft.remove();
        return why;
    }
    keepPermissions(path, draft);
    // The rename replaces the name itself: a link there is gone, its target
    // untouched.
    std::error_code error;
    std::filesystem::rename(systemPath(draftPath), systemPath(path), error);
    if (error) {
        QFile::remove(draftPath);
        return QString::fromLocal8Bit(error.message());
    }
    return {};
}

FileMaker wholeBytes(const std::string& bytes) {
    return [&bytes](const PieceSink& sink) {
        sink(bytes);
    };
}

} // namespace

QString replaceFileWith(const QString& path, const std::string& bytes) {
    return replaceFile(path, wholeBytes(bytes));
}

QString writeFileAtomically(const QString& path, const FileMaker& make) {
    const QString why = replaceFile(path, make);
    return why.isEmpty()
               ? why
               : QStringLiteral("%1 yazılamadı: %2").arg(QDir::toNativeSeparators(path), why);
}

QString writeFileAtomically(const QString& path, const std::string& bytes) {
    return writeFileAtomically(path, wholeBytes(bytes));
}

} // namespace parvela::platform
