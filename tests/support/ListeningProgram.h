#pragma once

#include <QString>
#include <QThread>
#include <mutex>
#include <vector>

namespace parvela::test {

// Another program of the suite, listening under a window title on a thread
// of its own, that keeps every message number it receives.
class ListeningProgram {
public:
    explicit ListeningProgram(const QString& title);
    ~ListeningProgram();

    std::vector<int> received() const;

private:
    QThread m_thread;
    mutable std::mutex m_mutex;
    std::vector<int> m_received;
};

} // namespace parvela::test
