#pragma once

#include <QFile>
#include <QString>

namespace parvela::platform {

// An exclusive lock the operating system keeps on a file (flock, LockFileEx):
// it goes with its holder, a holder that is killed too, and two holders in
// one process shut each other out as two processes do. The file itself stays
// readable and writable by its holder.
class FileLock {
public:
    enum class Wait { No, Yes };

    // Opens (makes) the file and takes the lock, waiting for it or not.
    FileLock(const QString& path, Wait wait);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool held() const { return m_held; }
    // Why the file could not be opened or locked; empty when held, or when
    // another holder has it.
    const QString& failure() const { return m_failure; }
    // The locked file, open for reading and writing while held.
    QFile& file() { return m_file; }
    // Lets go of the lock before the object goes.
    void release();

private:
    QFile m_file;
    bool m_held = false;
    QString m_failure;
};

} // namespace parvela::platform
