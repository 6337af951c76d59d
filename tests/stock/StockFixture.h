#pragma once

#include "DatabaseTest.h"
#include "TestSettings.h"
#include "db/DbConnection.h"
#include "db/StatementJournal.h"
#include "db/StatementRunner.h"

namespace parvela::test {

// A runner on the private server whose statements are journalled.
class StockTest : public DatabaseTest {
protected:
    void SetUp() override;

    TestSettings m_settings;
    db::DbConnection m_connection{m_settings};
    db::StatementRunner m_runner{m_connection, m_boxes};
    db::StatementJournal m_journal;
};

} // namespace parvela::test
