#pragma once

#include <QString>
#include <functional>
#include <string>

namespace parvela::scales {

// How one scale's delivery ended.
enum class Verdict {
    // It read to the end of the file and closed, every byte acknowledged.
    Served,
    NotConnected,
    // It reset the connection: it took nothing, or not all.
    Reset,
    // It closed before the whole file was acknowledged.
    ClosedEarly,
    // It did not take the file and close within the time-out.
    TimedOut,
    Cancelled,
};

struct TcpOutcome {
    Verdict verdict = Verdict::Served;
    // Empty when served.
    QString reason;
};

struct TcpLimits {
    int connectMs = 0;
    // From the connection on, for the whole file and the scale's close.
    int deliveryMs = 0;
};

// Sends `bytes` to host:port and shuts the connection down for writing. The
// scale has been served once it closed its side with every byte, the end
// of file included, acknowledged and without a reset: a kernel acknowledges
// a small file whether or not anything will read it, so a scale that stays
// silent is not taken to have read it. `cancelled` is asked between waits.
TcpOutcome deliverOverTcp(const std::string& bytes, const std::string& host, quint16 port,
                          const TcpLimits& limits, const std::function<bool()>& cancelled);

} // namespace parvela::scales
