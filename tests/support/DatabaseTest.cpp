#include "DatabaseTest.h"

#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <unistd.h>

namespace parvela::test {

namespace {

// Test programs started by different runs share the one server: each holds
// this lock from its first database test until it exits. Another server
// (PARVELA_DB_SOCKET, a cluster's node) has a lock of its own.
void lockTheServer() {
    const char* socket = std::getenv("PARVELA_DB_SOCKET");
    const std::string path = socket != nullptr
                                 ? std::string(socket) + ".lock"
                                 : "/tmp/parvela-test-db-" + std::to_string(getuid()) + ".lock";
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
