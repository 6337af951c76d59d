#include "publishing/PublishLock.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>
#include <optional>

namespace parvela::publishing {

namespace {

// The holder writes its starter just after taking the lock: a refused run
// that reads in between waits for it this long.
constexpr int kStarterReadTries = 50;
constexpr int kStarterReadPauseMs = 20;

QString lockPath(const QString& transferFolder) {
    QDir().mkpath(transferFolder);
    return QDir(transferFolder).filePath(kPublishLockFile);
}

QByteArray starterLine(const RunStarter& starter) {
    const QJsonObject object{{QStringLiteral("user"), starter.user},
                             {QStringLiteral("machine"), starter.machine},
                             {QStringLiteral("since"), starter.since.toString(Qt::ISODate)}};
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

std::optional<RunStarter> starterOf(const QString& path) {
    for (int tries = 0; tries < kStarterReadTries; ++tries) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
            if (document.isObject()) {
                const QJsonObject object = document.object();
                return RunStarter{
                    object.value(QStringLiteral("user")).toString(),
                    object.value(QStringLiteral("machine")).toString(),
                    QDateTime::fromString(object.value(QStringLiteral("since")).toString(),
                                          Qt::ISODate)};
            }
        }
        QThread::msleep(kStarterReadPauseMs);
    }
    return std::nullopt;
}

QString refusalOf(const std::optional<RunStarter>& starter) {
    if (!starter)
        return QStringLiteral("Başka bir yayın sürüyor; kimin başlattığı okunamadı. Bittiğinde "
                              "yeniden deneyin.");
    return QStringLiteral("Başka bir yayın sürüyor: %1 kullanıcısı %2 bilgisayarında %3 "
                          "başlattı. Bittiğinde yeniden deneyin.")
        .arg(starter->user, starter->machine,
             starter->since.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss")));
}

} // namespace

PublishLock::PublishLock(const QString& transferFolder, const RunStarter& starter)
    : m_lock(lockPath(transferFolder), platform::FileLock::Wait::No) {
    const QString path = QDir(transferFolder).filePath(kPublishLockFile);
    if (!m_lock.failure().isEmpty()) {
        m_refusal = QStringLiteral("%1 kilitlenemedi: %2")
                        .arg(QDir::toNativeSeparators(path), m_lock.failure());
        return;
    }
    if (!m_lock.held()) {
        m_refusal = refusalOf(starterOf(path));
        return;
    }
    QFile& file = m_lock.file();
    const QByteArray line = starterLine(starter);
    // Only a refused run reads it: a starter not written costs it the names.
    if (file.resize(0) && file.write(line) == line.size())
        file.flush();
}

PublishLock::~PublishLock() {
    release();
}

void PublishLock::release() {
    if (!m_lock.held())
        return;
    (void)m_lock.file().resize(0);
    m_lock.release();
}

} // namespace parvela::publishing
