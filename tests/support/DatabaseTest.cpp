#include "DatabaseTest.h"

#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <unistd.h>

namespace parvela::test {

namespace {

// Test programs started by different runs share the one server: each holds
// this lock from its first database test until it exits.
void lockTheServer() {
    const std::string path = "/tmp/parvela-test-db-" + std::to_string(getuid()) + ".lock";
    const int fd = open(path.c_str(), O_CREAT | O_RDWR | O_CLOEXEC, 0600);
    if (fd >= 0)
        flock(fd, LOCK_EX);
}

} // namespace

void DatabaseTest::SetUpTestSuite() {
    static bool loaded = false;
    if (!loaded) {
        lockTheServer();
        TestDatabase::loadSchema();
        loaded = true;
    }
}

void DatabaseTest::SetUp() {
    TestDatabase::reset();
}

} // namespace parvela::test
