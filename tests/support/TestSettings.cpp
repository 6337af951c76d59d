#include "TestSettings.h"

#include "platform/Settings.h"

namespace parvela::test {

QString serverHost() {
    const QString host = qEnvironmentVariable("PARVELA_DB_HOST");
    return host.isEmpty() ? QStringLiteral("127.0.0.1") : host;
}

TestSettings::TestSettings(Values values) {
    const QString path = m_dir.filePath(QStringLiteral("Orvanta.conf"));
    {
        platform::Settings writer(path);
        for (const auto& [key, value] : values)
            writer.setValue(key, value);
        writer.sync();
    }
    m_settings = std::make_unique<platform::Settings>(path);
}

TestSettings::~TestSettings() = default;

void writeDefaultSettings() {
    platform::Settings defaults;
    defaults.setValue(QStringLiteral("Server/ipno"), serverHost());
    defaults.sync();
}

} // namespace parvela::test
