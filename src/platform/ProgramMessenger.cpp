#include "platform/ProgramMessenger.h"

#include <QLocalSocket>

namespace parvela::platform {

bool ProgramMessenger::send(const QString& windowTitle, int message) const {
    QLocalSocket socket;
    socket.connectToServer(windowTitle);
    if (!socket.waitForConnected(m_timeoutMs))
        return false;
    socket.write(QByteArray::number(message) + '\n');
    if (!socket.waitForBytesWritten(m_timeoutMs))
        return false;
    // The listener answers once the message has been handed to its window.
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(m_timeoutMs))
            return false;
    }
    return socket.readLine().trimmed() == "ok";
}

} // namespace parvela::platform
