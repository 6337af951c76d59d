#include "StockFixture.h"

namespace parvela::test {

void StockTest::SetUp() {
    DatabaseTest::SetUp();
    m_runner.setJournal(&m_journal);
}

} // namespace parvela::test
