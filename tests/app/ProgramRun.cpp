#include "ProgramRun.h"

#include "platform/Settings.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTest>

namespace parvela::test {

void setDefaults(std::initializer_list<std::pair<const char*, QString>> values) {
    platform::Settings defaults;
    for (const auto& [key, value] : values)
        defaults.setValue(QString::fromLatin1(key), value);
    defaults.sync();
}

Finished runProgram(const QStringList& arguments, const QString& home) {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QString::fromLatin1(name));
    if (!home.isEmpty()) {
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                           QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
        environment.insert(QStringLiteral("HOME"), home);
    }
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(PARVELA_PROGRAM), arguments);
    if (!QTest::qWaitFor([&program] { return program.state() == QProcess::NotRunning; }, 60000) ||
        program.exitStatus() != QProcess::NormalExit)
        return {};
    return {program.exitCode(), QString::fromUtf8(program.readAllStandardOutput()),
            QString::fromUtf8(program.readAllStandardError())};
}

} // namespace parvela::test
