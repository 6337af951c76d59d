#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

namespace parvela::test {

// A TCP peer, such as a scale, that keeps every byte it receives; it works
// while the test's event loop runs.
class RecordingListener {
public:
    explicit RecordingListener(const QHostAddress& address, quint16 port = 0) {
        m_server.listen(address, port);
        QObject::connect(&m_server, &QTcpServer::newConnection, [this] {
            QTcpSocket* socket = m_server.nextPendingConnection();
            QObject::connect(socket, &QTcpSocket::readyRead,
                             [this, socket] { received += socket->readAll(); });
        });
    }
    bool listening() const { return m_server.isListening(); }
    quint16 port() const { return m_server.serverPort(); }
    void close() { m_server.close(); }

    QByteArray received;

private:
    QTcpServer m_server;
};

} // namespace parvela::test
