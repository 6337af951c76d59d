#include "scales/ScaleSender.h"

#include "platform/MessageBoxes.h"
#include "platform/Settings.h"
#include "platform/WindowMessages.h"

#include <QTcpSocket>
#include <algorithm>

namespace parvela::scales {

namespace {

QString sendOne(const std::string& bytes, const QString& address, const SendOptions& options) {
    QTcpSocket socket;
    socket.connectToHost(address, options.port);
    if (!socket.waitForConnected(options.connectMs))
        return socket.errorString();
    qint64 left = static_cast<qint64>(bytes.size());
    if (socket.write(bytes.data(), left) != left)
        return socket.errorString();
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(options.writeMs))
            return socket.errorString();
    }
    socket.disconnectFromHost();
    if (socket.state() != QAbstractSocket::UnconnectedState)
        socket.waitForDisconnected(options.writeMs);
    return {};
}

} // namespace

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
                              const SendOptions& options, const ScaleProgress& progress) {
    std::vector<Delivery> deliveries;
    progress(platform::msg::kScaleBusy);
    for (const ScaleEntry& scale : scales) {
        if (!scale.hasAddress())
            continue;
        const QString address = QString::fromLatin1(scale.ipaddr);
        deliveries.push_back({scale.ipaddr, sendOne(bytes, address, options)});
        progress(platform::msg::kScaleItemSent);
    }
    progress(platform::msg::kScaleIdle);
    return deliveries;
}

QString deliveryReport(const std::vector<Delivery>& deliveries) {
    QStringList lines;
    for (const Delivery& delivery : deliveries) {
        const QString result = delivery.error.isEmpty() ? QStringLiteral("OK") : delivery.error;
        lines << QString::fromLatin1(delivery.address) + QStringLiteral(" : ") + result;
    }
    return lines.join(u'\n');
}

bool allDelivered(const std::vector<Delivery>& deliveries) {
    return std::all_of(deliveries.begin(), deliveries.end(),
                       [](const Delivery& d) { return d.error.isEmpty(); });
}

bool deliverAndReport(const std::string& bytes, const std::vector<ScaleEntry>& scales,
                      const SendOptions& options, const ScaleProgress& progress,
                      platform::MessageBoxes& boxes) {
    const std::vector<Delivery> deliveries = deliver(bytes, scales, options, progress);
    const bool delivered = allDelivered(deliveries);
    boxes.tell(deliveryReport(deliveries), QStringLiteral("Teraziye Gönder"),
               delivered ? platform::BoxIcon::Information : platform::BoxIcon::Exclamation);
    return delivered;
}

} // namespace parvela::scales
