#pragma once

#include <QString>
#include <string>
#include <thread>

namespace parvela::test {

// A spooler that answers the first IPP request on 127.0.0.1 with one IPP
// status and no attributes but the two every answer carries, then closes.
class CannedSpooler {
public:
    explicit CannedSpooler(int ippStatus);
    ~CannedSpooler();
    CannedSpooler(const CannedSpooler&) = delete;
    CannedSpooler& operator=(const CannedSpooler&) = delete;

    // host:port, for PrintSpooler.
    QString address() const;

private:
    void answerOnce(int ippStatus) const;

    int m_listener = -1;
    int m_port = 0;
    std::thread m_thread;
};

} // namespace parvela::test
