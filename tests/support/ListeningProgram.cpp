#include "ListeningProgram.h"

#include "platform/MessageListener.h"

#include <QMetaObject>
#include <stdexcept>

namespace parvela::test {

ListeningProgram::ListeningProgram(const QString& title) {
    auto* listener = new platform::MessageListener(title, [this](int message) {
        const std::lock_guard lock(m_mutex);
        m_received.push_back(message);
    });
    listener->moveToThread(&m_thread);
    QObject::connect(&m_thread, &QThread::finished, listener, &QObject::deleteLater);
    m_thread.start();
    bool listening = false;
    QMetaObject::invokeMethod(
        listener, [listener, &listening] { listening = listener->listen(); },
        Qt::BlockingQueuedConnection);
    if (!listening)
        throw std::runtime_error("cannot listen as " + title.toStdString());
}

ListeningProgram::~ListeningProgram() {
    m_thread.quit();
    m_thread.wait();
}

std::vector<int> ListeningProgram::received() const {
    const std::lock_guard lock(m_mutex);
    return m_received;
}

} // namespace parvela::test
