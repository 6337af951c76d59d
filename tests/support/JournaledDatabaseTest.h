#pragma once

#include "DatabaseTest.h"
#include "TestSettings.h"
#include "db/DbConnection.h"
#include "db/StatementJournal.h"
#include "db/StatementRunner.h"

namespace parvela::test {

// A runner on the test server whose statements are journaled, for tests that
// check statement texts.
class JournaledDatabaseTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        m_runner.setJournal(&m_journal);
    }

    TestSettings m_settings;
    db::DbConnection m_connection{m_settings};
    db::StatementRunner m_runner{m_connection, m_boxes};
    db::StatementJournal m_journal;
};

} // namespace parvela::test
