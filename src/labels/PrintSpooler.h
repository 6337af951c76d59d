#pragma once

#include "labels/RawJobSteps.h"

#include <QString>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace parvela::platform {
class MessageBoxes;
}

namespace parvela::labels {

struct PrinterEntry {
    int index = 0; // from 1, in the spooler's order
    QString name;
    QString port; // the device address
};

// The print spooler (CUPS): its printers, and raw jobs that reach the printer
// byte for byte. `server` is a CUPS server address or socket path; empty
// means the system's own. A spooler that does not answer within `timeout`
// counts as not there, so a stopped cupsd cannot freeze the program.
class PrintSpooler {
public:
    static constexpr std::chrono::milliseconds kDefaultTimeout{5000};

    explicit PrintSpooler(QString server, std::chrono::milliseconds timeout = kDefaultTimeout);

    // Nothing when the spooler cannot be asked.
    std::optional<std::vector<PrinterEntry>> printers() const;
    // The system's default printer; empty when there is none.
    QString defaultPrinter() const;

    // True when the spooler has the queue; otherwise the box a job to it
    // would show.
    bool checkPrinter(const QString& printer, platform::MessageBoxes& boxes) const;

    // One raw job of `bytes` for `printer`. A failed step shows its box and
    // the job is given up; true when every byte went to the spooler.
    bool sendRaw(const QString& printer, const std::string& bytes,
                 platform::MessageBoxes& boxes) const;
    // The same, giving the step that failed or Done.
    RawJobStep sendRawJob(const QString& printer, const std::string& bytes,
                          platform::MessageBoxes& boxes) const;

private:
    QString m_server;
    std::chrono::milliseconds m_timeout;
};

} // namespace parvela::labels
