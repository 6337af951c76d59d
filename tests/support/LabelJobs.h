#pragma once

#include <QString>
#include <chrono>
#include <string>
#include <vector>

namespace parvela::test {

// The jobs the label listener of scripts/cups-start received, one file per
// job in arrival order. Test programs of different runs share the listener:
// the first LabelJobs of a program holds a lock on it until the program ends.
class LabelJobs {
public:
    LabelJobs();

    // The private spooler's socket, for Printing/server.
    static QString printServer();
    static QString folder();

    // Forgets every job received so far.
    void clear() const;
    // The complete jobs present now, oldest first.
    std::vector<std::string> received() const;
    // Waits until `count` jobs are there (or the time is up) and gives what
    // is there then.
    std::vector<std::string> waitFor(std::size_t count, std::chrono::milliseconds timeout) const;
};

} // namespace parvela::test
