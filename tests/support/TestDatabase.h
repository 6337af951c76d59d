#pragma once

#include <QString>
#include <string>
#include <vector>

namespace parvela::test {

// The private server the tests run against, reached as its administrator
// through the Unix socket (so changing root's TCP password does not lock the
// tests out).
class TestDatabase {
public:
    using Rows = std::vector<std::vector<std::string>>;

    // Loads the schema into the running server and keeps a copy of every
    // seeded table, so that reset() can restore them.
    static void loadSchema();
    // Empties every table of the suite's schemas and restores the seed rows.
    static void reset();

    // Runs one or more statements; throws on failure.
    static void exec(const std::string& sql);
    static Rows query(const std::string& sql);
    static std::string scalar(const std::string& sql);
    static long long count(const std::string& table);

    // root's password over TCP.
    static void setRootPassword(const std::string& password);
    static std::string firstPassword() { return "K_plmo_R"; }
    static std::string secondPassword() { return "mT42_ravel!"; }
    // Failed logins the server has counted since it started.
    static long long abortedConnects();

    static QString repoRoot();
};

} // namespace parvela::test
