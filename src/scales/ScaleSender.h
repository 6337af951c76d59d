#pragma once

#include "scales/ScaleEntry.h"
#include "scales/TcpDelivery.h"

#include <QString>
#include <functional>
#include <string>
#include <vector>

namespace parvela::platform {
class MessageBoxes;
class Settings;
} // namespace parvela::platform

namespace parvela::scales {

inline constexpr int kDefaultScalePort = 4001;

struct SendOptions {
    quint16 port = kDefaultScalePort;
    int connectMs = 3000;
    // Once connected, for the whole file and the scale's close.
    int deliveryMs = 5000;
};

// The port from the setting Scales/port.
SendOptions sendOptionsOf(const platform::Settings& settings);

struct Delivery {
    std::string address;
    Verdict verdict = Verdict::Served;
    // Empty when the scale took the whole file.
    QString error;
};

// The message numbers of the main screen's progress panel, as they happen.
using ScaleProgress = std::function<void(int message)>;

// One attempt per scale with an address, in list order, on the calling
// thread: busy first, a step after each scale, idle at the end. Once
// `cancelled` answers true, the scale at hand and those after it are not
// served.
std::vector<Delivery> deliver(const std::string& bytes, const std::vector<ScaleEntry>& scales,
                              const SendOptions& options, const ScaleProgress& progress,
                              const std::function<bool()>& cancelled = {});

// One line per scale: its address and "OK" or its error.
QString deliveryReport(const std::vector<Delivery>& deliveries);
bool allDelivered(const std::vector<Delivery>& deliveries);

// Delivers and closes with the report box; true when every scale took it.
bool deliverAndReport(const std::string& bytes, const std::vector<ScaleEntry>& scales,
                      const SendOptions& options, const ScaleProgress& progress,
                      platform::MessageBoxes& boxes, const std::function<bool()>& cancelled = {});

} // namespace parvela::scales
