#include "platform/AtomicFile.h"

#include <QDir>
#include <QSaveFile>

namespace parvela::platform {

namespace {

QString reasonOf(const QString& path, const QSaveFile& file) {
    const QString why = file.errorString();
    return why.isEmpty()
               ? QStringLiteral("%1 yazılamadı").arg(QDir::toNativeSeparators(path))
               : QStringLiteral("%1 yazılamadı: %2").arg(QDir::toNativeSeparators(path), why);
}

} // namespace

QString writeFileAtomically(const QString& path, const std::string& bytes) {
    QSaveFile file(path);
    // Writing in place would leave half a file behind when the write fails.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return reasonOf(path, file);
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), size) != size) {
        const QString why = reasonOf(path, file);
        file.cancelWriting();
        return why;
    }
    return file.commit() ? QString() : reasonOf(path, file);
}

} // namespace parvela::platform
