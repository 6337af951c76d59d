#include "platform/WorkerBoxes.h"

#include <QCoreApplication>
#include <QThread>
#include <cstdio>

namespace parvela::platform {

struct WorkerBoxes::Pending {
    bool answered = false;
    BoxAnswer answer = BoxAnswer::Cancel;
};

namespace {

bool onUserInterfaceThread() {
    const QCoreApplication* app = QCoreApplication::instance();
    return app != nullptr && QThread::currentThread() == app->thread();
}

void printUnshown(const BoxRequest& request) {
    std::fprintf(stderr, "%s: %s\n", request.caption.toLocal8Bit().constData(),
                 request.text.toLocal8Bit().constData());
}

} // namespace

WorkerBoxes::~WorkerBoxes() {
    close();
}

BoxAnswer WorkerBoxes::show(const BoxRequest& request) {
    if (onUserInterfaceThread())
        return m_screen.show(request);
    std::unique_lock lock(*m_mutex);
    if (*m_closed || QCoreApplication::instance() == nullptr) {
        printUnshown(request);
        return escapeAnswerOf(request.buttons);
    }
    auto pending = std::make_shared<Pending>();
    BoxRequest unowned = request;
    unowned.owner = nullptr; // the owner may be gone by the time it shows
    // Everything the posted call touches is shared, so it stays valid even
    // when it runs after this object has gone.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [&screen = m_screen, mutex = m_mutex, answered = m_answered, closed = m_closed, pending,
         unowned] {
            {
                const std::lock_guard guard(*mutex);
                if (*closed)
                    return;
            }
            const BoxAnswer answer = screen.show(unowned);
            const std::lock_guard guard(*mutex);
            pending->answer = answer;
            pending->answered = true;
            answered->notify_all();
        },
        Qt::QueuedConnection);
    m_answered->wait(lock, [&] { return pending->answered || *m_closed; });
    if (pending->answered)
        return pending->answer;
    printUnshown(request);
    return escapeAnswerOf(request.buttons);
}

void WorkerBoxes::close() {
    const std::lock_guard lock(*m_mutex);
    *m_closed = true;
    m_answered->notify_all();
}

} // namespace parvela::platform
