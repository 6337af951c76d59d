#pragma once

#include <QString>
#include <QTemporaryDir>
#include <initializer_list>
#include <memory>
#include <utility>

namespace parvela::platform {
class Settings;
}

namespace parvela::test {

// The address the programs under test reach the database at: the private
// server's, unless PARVELA_DB_HOST names another (a cluster's node).
QString serverHost();

// A settings file of its own for one test.
class TestSettings {
public:
    using Values = std::initializer_list<std::pair<QString, QString>>;

    TestSettings()
        : TestSettings({{QStringLiteral("Server/ipno"), serverHost()}}) {}
    explicit TestSettings(Values values);
    ~TestSettings();
    TestSettings(const TestSettings&) = delete;
    TestSettings& operator=(const TestSettings&) = delete;

    platform::Settings& settings() { return *m_settings; }
    operator platform::Settings&() { return *m_settings; }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<platform::Settings> m_settings;
};

// Points the program's default settings at the private server, as the demo
// command does for a user.
void writeDefaultSettings();

} // namespace parvela::test
