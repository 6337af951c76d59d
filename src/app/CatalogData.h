#pragma once

#include "app/Company.h"
#include "db/DbConnection.h"
#include "db/StatementRunner.h"

namespace parvela::platform {
class MessageBoxes;
class Settings;
} // namespace parvela::platform

namespace parvela::app {

// Owns every shared list the program shows, and reads them from the server.
class CatalogData {
public:
    static constexpr int kFailed = -1;

    CatalogData(const platform::Settings& settings, platform::MessageBoxes& boxes);

    // 0, or -1 after a reported failure.
    int readCompany();
    int readOwnBranch();
    // The number of branches, or -1 after a reported failure.
    int readBranches();

    const Company& company() const { return m_company; }
    db::StatementRunner& runner() { return m_runner; }

private:
    db::DbConnection m_connection;
    db::StatementRunner m_runner;
    Company m_company;
};

} // namespace parvela::app
