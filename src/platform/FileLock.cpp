#include "platform/FileLock.h"

#include <cerrno>
#include <cstring>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <sys/file.h>
#endif

namespace parvela::platform {

namespace {

#ifdef Q_OS_WIN
// A byte far past any content: a locked range cannot be read on Windows, and
// one refused reads who holds the lock.
constexpr DWORD kLockedOffsetHigh = 1;

HANDLE systemHandle(const QFile& file) {
    return reinterpret_cast<HANDLE>(_get_osfhandle(file.handle()));
}

// True when taken; otherwise `why` is empty when another holder has it.
bool takeLock(const QFile& file, bool wait, QString& why) {
    OVERLAPPED where{};
    where.OffsetHigh = kLockedOffsetHigh;
    const DWORD flags = LOCKFILE_EXCLUSIVE_LOCK | (wait ? 0 : LOCKFILE_FAIL_IMMEDIATELY);
    if (LockFileEx(systemHandle(file), flags, 0, 1, 0, &where))
        return true;
    if (const DWORD error = GetLastError(); error != ERROR_LOCK_VIOLATION)
        why = QStringLiteral("LockFileEx: %1").arg(error);
    return false;
}

void dropLock(const QFile& file) {
    OVERLAPPED where{};
    where.OffsetHigh = kLockedOffsetHigh;
    UnlockFileEx(systemHandle(file), 0, 1, 0, &where);
}
#else
bool takeLock(const QFile& file, bool wait, QString& why) {
    const int operation = LOCK_EX | (wait ? 0 : LOCK_NB);
    int result = 0;
    // A signal may wake a waiting holder before it has the lock.
    do
        result = ::flock(file.handle(), operation);
    while (result != 0 && errno == EINTR);
    if (result != 0 && errno != EWOULDBLOCK)
        why = QString::fromLocal8Bit(std::strerror(errno));
    return result == 0;
}

void dropLock(const QFile& file) {
    ::flock(file.handle(), LOCK_UN);
}
#endif

} // namespace

FileLock::FileLock(const QString& path, Wait wait)
    : m_file(path) {
    if (!m_file.open(QIODevice::ReadWrite)) {
        m_failure = m_file.errorString();
        return;
    }
    m_held = takeLock(m_file, wait == Wait::Yes, m_failure);
    if (!m_held)
        m_file.close();
}

FileLock::~FileLock() {
    release();
}

void FileLock::release() {
    if (!m_held)
        return;
    m_file.flush();
    dropLock(m_file);
    m_file.close();
    m_held = false;
}

} // namespace parvela::platform
