#include "platform/MachineInfo.h"

#include "platform/Settings.h"

#include <QDir>
#include <QSysInfo>

#ifndef Q_OS_WIN
#include <pwd.h>
#include <unistd.h>
#endif

namespace parvela::platform {

namespace {

constexpr int kMaxComputerName = 63;

QString lowerAsciiLetters(const QString& text) {
    QString out = text;
    for (QChar& c : out) {
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + (u'a' - u'A'));
    }
    return out;
}

} // namespace

MachineInfo::MachineInfo(QString computerName, QString dataRoot)
    : m_computerName(std::move(computerName).left(kMaxComputerName))
    , m_dataRoot(std::move(dataRoot)) {}

MachineInfo MachineInfo::ofThisComputer(const Settings& settings) {
    return MachineInfo(QSysInfo::machineHostName(), settings.dataRoot());
}

QString MachineInfo::userName() {
    for (const char* variable : {"USER", "USERNAME", "LOGNAME"})
        if (const QString name = qEnvironmentVariable(variable); !name.isEmpty())
            return name;
#ifndef Q_OS_WIN
    // A scheduled job may run without the variables.
    if (const passwd* account = getpwuid(getuid()))
        return QString::fromLocal8Bit(account->pw_name);
#endif
    return {};
}

int MachineInfo::computerNameDiffers(const QString& name) const {
    const int order = lowerAsciiLetters(m_computerName).compare(lowerAsciiLetters(name));
    return order == 0 ? 0 : (order < 0 ? -1 : 1);
}

QString MachineInfo::pathUnderRoot(const QString& relative) const {
    return QDir::cleanPath(m_dataRoot + u'/' + relative);
}

QString MachineInfo::iconsFolder() const {
    return pathUnderRoot(QStringLiteral("Program Files/Tolvarian/Restaurant/icons"));
}

QString MachineInfo::orvantaFolder() const {
    return pathUnderRoot(QStringLiteral("Orvanta"));
}

QString MachineInfo::imagesFolder() const {
    return pathUnderRoot(QStringLiteral("Orvanta/images"));
}

QString MachineInfo::scalePluFile() const {
    return pathUnderRoot(QStringLiteral("Orvanta/terazi_plu.txt"));
}

QString MachineInfo::transferFolder() const {
    return pathUnderRoot(QStringLiteral("Orvanta/transfer"));
}

QString MachineInfo::digitalMenuFolder() const {
    return pathUnderRoot(QStringLiteral("Orvanta/digital_menu"));
}

QString MachineInfo::digitalMenuImagesFolder() const {
    return pathUnderRoot(QStringLiteral("Orvanta/digital_menu/images"));
}

} // namespace parvela::platform
