#include "scales/ScaleSender.h"

#include "platform/MessageBoxes.h"
#include "platform/Settings.h"
#include "platform/WindowMessages.h"

#include <algorithm>

namespace parvela::scales {

SendOptions sendOptionsOf(const platform::Settings& settings) {
    SendOptions options;
    bool isNumber = false;
    const int port =
        settings.value(QStringLiteral("Scales/port"), QString::number(kDefaultScalePort))
            .toInt(&isNumber);
    if (isNumber && port > 0 && port <= 65535)
        options.port = static_cast<quint16>(port);
    return options;
}

std::vector<Delivery> deliver(const std::string& bytes, const std::vector<ScaleEntry>& scales,
                              const SendOptions& options, const ScaleProgress& progress,
                              const std::function<bool()>& cancelled) {
    std::vector<Delivery> deliveries;
    progress(platform::msg::kScaleBusy);
    for (const ScaleEntry& scale : scales) {
        if (!scale.hasAddress())
            continue;
        const std::string host = QString::fromLatin1(scale.ipaddr).trimmed().toStdString();
        const TcpOutcome outcome = deliverOverTcp(
            bytes, host, options.port, {options.connectMs, options.deliveryMs}, cancelled);
        deliveries.push_back({scale.ipaddr, outcome.verdict, outcome.reason});
        progress(platform::msg::kScaleItemSent);
    }
    progress(platform::msg::kScaleIdle);
    return deliveries;
}

QString deliveryReport(const std::vector<Delivery>& deliveries) {
    QStringList lines;
    for (const Delivery& delivery : deliveries) {
        const QString result =
            delivery.verdict == Verdict::Served ? QStringLiteral("OK") : delivery.error;
        lines << QString::fromLatin1(delivery.address) + QStringLiteral(" : ") + result;
    }
    return lines.join(u'\n');
}

bool allDelivered(const std::vector<Delivery>& deliveries) {
    return std::all_of(deliveries.begin(), deliveries.end(),
                       [](const Delivery& d) { return d.verdict == Verdict::Served; });
}

bool deliverAndReport(const std::string& bytes, const std::vector<ScaleEntry>& scales,
                      const SendOptions& options, const ScaleProgress& progress,
                      platform::MessageBoxes& boxes, const std::function<bool()>& cancelled) {
    const std::vector<Delivery> deliveries = deliver(bytes, scales, options, progress, cancelled);
    const bool delivered = allDelivered(deliveries);
    boxes.tell(deliveryReport(deliveries), QStringLiteral("Teraziye Gönder"),
               delivered ? platform::BoxIcon::Information : platform::BoxIcon::Exclamation);
    return delivered;
}

} // namespace parvela::scales
