#pragma once

#include <QString>

namespace parvela::platform {

// Sends a message number to another program of the suite, found by the title
// of its main window. Each program listens on a local socket of that name;
// when none listens nothing is sent.
class ProgramMessenger {
public:
    explicit ProgramMessenger(int timeoutMs = 2000)
        : m_timeoutMs(timeoutMs) {}

    // True when the program was found and took the message.
    bool send(const QString& windowTitle, int message) const;

private:
    int m_timeoutMs;
};

} // namespace parvela::platform
