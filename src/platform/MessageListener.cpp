#include "platform/MessageListener.h"

#include <QLocalServer>
#include <QLocalSocket>

namespace parvela::platform {

MessageListener::MessageListener(QString title, Handler handler, QObject* parent)
    : QObject(parent)
    , m_title(std::move(title))
    , m_handler(std::move(handler))
    , m_server(new QLocalServer(this)) {
    connect(m_server, &QLocalServer::newConnection, this, &MessageListener::accept);
}

MessageListener::~MessageListener() = default;

bool MessageListener::listen() {
    if (m_server->listen(m_title))
        return true;
    // A socket file left by a program that died keeps the name taken; when
    // nobody answers on it, it is stale and may be replaced.
    QLocalSocket probe;
    probe.connectToServer(m_title);
    if (probe.waitForConnected(500))
        return false;
    QLocalServer::removeServer(m_title);
    return m_server->listen(m_title);
}

void MessageListener::accept() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readFrom(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (socket->canReadLine())
            readFrom(socket);
    }
}

void MessageListener::readFrom(QLocalSocket* socket) {
    while (socket->canReadLine()) {
        bool ok = false;
        const int message = socket->readLine().trimmed().toInt(&ok);
        if (ok)
            m_handler(message);
        socket->write(ok ? "ok\n" : "bad\n");
        socket->flush();
    }
}

} // namespace parvela::platform
