#include "platform/HelperPrograms.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace parvela::platform {

namespace {

QString executableIn(const QString& folder, const QString& name) {
#ifdef Q_OS_WIN
    const QString file = name + QStringLiteral(".exe");
#else
    const QString& file = name;
#endif
    const QFileInfo candidate(QDir(folder).filePath(file));
    return candidate.isFile() && candidate.isExecutable() ? candidate.absoluteFilePath()
                                                          : QString();
}

} // namespace

QString helperProgram(const QString& name) {
    const QString programDir = QCoreApplication::applicationDirPath();
    if (QString beside = executableIn(programDir, name); !beside.isEmpty())
        return beside;
#ifdef PARVELA_HELPERS_FROM_BIN
    if (QString installed =
            executableIn(QDir(programDir).filePath(QStringLiteral(PARVELA_HELPERS_FROM_BIN)), name);
        !installed.isEmpty())
        return installed;
#endif
#ifdef PARVELA_BUILD_PROGRAMS
    return executableIn(QStringLiteral(PARVELA_BUILD_PROGRAMS), name);
#else
    return {};
#endif
}

} // namespace parvela::platform
