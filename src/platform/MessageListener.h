#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QLocalServer;
class QLocalSocket;

namespace parvela::platform {

// The receiving end of ProgramMessenger: listens under a window title and
// hands each message number to the owner on the thread of the event loop.
class MessageListener : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void(int message)>;

    MessageListener(QString title, Handler handler, QObject* parent = nullptr);
    ~MessageListener() override;

    // False when another program already listens under this title.
    bool listen();
    const QString& title() const { return m_title; }

private:
    void accept();
    void readFrom(QLocalSocket* socket);

    QString m_title;
    Handler m_handler;
    QLocalServer* m_server = nullptr;
};

} // namespace parvela::platform
