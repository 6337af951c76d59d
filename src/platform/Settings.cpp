#include "platform/Settings.h"

#include <QDir>
#include <QSettings>

namespace parvela::platform {

namespace {
const QString kServerGroup = QStringLiteral("Server");

int positiveSeconds(const QSettings& settings, const QString& key, int fallback) {
    bool ok = false;
    const int seconds = settings.value(key, fallback).toInt(&ok);
    return ok && seconds > 0 ? seconds : fallback;
}
} // namespace

Settings::Settings()
    : m_settings(
          std::make_unique<QSettings>(QStringLiteral("Tolvarian"), QStringLiteral("Orvanta"))) {}

Settings::Settings(const QString& iniPath)
    : m_settings(std::make_unique<QSettings>(iniPath, QSettings::IniFormat)) {}

Settings::~Settings() = default;

ServerAddress Settings::serverAddress() const {
    if (!m_settings->childGroups().contains(kServerGroup))
        return {-2, {}};
    const QVariant value = m_settings->value(QStringLiteral("Server/ipno"));
    if (!value.isValid() || value.userType() != QMetaType::QString)
        return {-1, {}};
    const QByteArray text = value.toString().toLocal8Bit();
    if (text.size() > kMaxHostLength)
        return {-1, {}};
    return {0, text.toStdString()};
}

std::vector<std::string> Settings::otherHosts() const {
    // An INI list without quotes reads as a string list, a quoted one as one
    // string: both are split at the commas.
    const QStringList values = m_settings->value(QStringLiteral("Server/otherHosts"))
                                   .toStringList()
                                   .join(u',')
                                   .split(u',');
    std::vector<std::string> hosts;
    for (const QString& value : values) {
        const QByteArray text = value.trimmed().toLocal8Bit();
        if (!text.isEmpty() && text.size() <= kMaxHostLength)
            hosts.push_back(text.toStdString());
    }
    return hosts;
}

std::string Settings::firstDatabasePassword() const {
    return value(QStringLiteral("Server/password1"), QStringLiteral("K_plmo_R")).toStdString();
}

std::string Settings::secondDatabasePassword() const {
    return value(QStringLiteral("Server/password2"), QStringLiteral("mT42_ravel!")).toStdString();
}

int Settings::readTimeoutSeconds() const {
    return positiveSeconds(*m_settings, QStringLiteral("Server/readTimeout"), 30);
}

int Settings::connectTimeoutSeconds() const {
    return positiveSeconds(*m_settings, QStringLiteral("Server/connectTimeout"), 5);
}

QStringList Settings::developerMachines() const {
    return m_settings->value(QStringLiteral("Login/developerMachines")).toStringList();
}

QString Settings::dataRoot() const {
    return value(QStringLiteral("Paths/root"), QDir::homePath());
}

QString Settings::batchUser() const {
    return value(QStringLiteral("Batch/user"));
}

std::string Settings::batchPassword() const {
    return value(QStringLiteral("Batch/password")).toStdString();
}

QString Settings::printServer() const {
    return value(QStringLiteral("Printing/server"));
}

QString Settings::value(const QString& key, const QString& fallback) const {
    return m_settings->value(key, fallback).toString();
}

void Settings::setValue(const QString& key, const QString& value) {
    m_settings->setValue(key, value);
}

void Settings::sync() {
    m_settings->sync();
}

} // namespace parvela::platform
