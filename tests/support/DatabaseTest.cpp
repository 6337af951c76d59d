#include "DatabaseTest.h"

namespace parvela::test {

void DatabaseTest::SetUpTestSuite() {
    static bool loaded = false;
    if (!loaded) {
        TestDatabase::loadSchema();
        loaded = true;
    }
}

void DatabaseTest::SetUp() {
    TestDatabase::reset();
}

} // namespace parvela::test
