#pragma once

#include "platform/FileLock.h"

#include <QDateTime>
#include <QString>

namespace parvela::publishing {

inline const QString kPublishLockFile = QStringLiteral("publish.lock");

// Who started a run.
struct RunStarter {
    QString user;
    QString machine;
    QDateTime since;
};

// One publish or menu run at a time per transfer folder: the run holds the
// folder's lock from its start to its history record, with its starter
// written into the lock file for a run refused meanwhile.
class PublishLock {
public:
    // Tries once; the folder is made when missing.
    PublishLock(const QString& transferFolder, const RunStarter& starter);
    ~PublishLock();
    PublishLock(const PublishLock&) = delete;
    PublishLock& operator=(const PublishLock&) = delete;

    bool held() const { return m_lock.held(); }
    // When not held: who started the running one and when, or why the lock
    // could not be taken.
    const QString& refusal() const { return m_refusal; }
    // Lets go of the folder, its starter wiped first so that a run refused
    // next never names this one.
    void release();

private:
    platform::FileLock m_lock;
    QString m_refusal;
};

} // namespace parvela::publishing
