#pragma once

#include "platform/MessageBoxes.h"

#include <condition_variable>
#include <memory>
#include <mutex>

namespace parvela::platform {

// Boxes for worker threads: each is shown on the user-interface thread while
// the worker waits for the answer. Once closed (the program is ending and
// waits for its workers) no box is shown any more: the text goes to standard
// error as "caption: text" and the worker gets the box's escape answer at
// once, so that no thread waits for a user who is gone.
class WorkerBoxes : public MessageBoxes {
public:
    explicit WorkerBoxes(MessageBoxes& screen)
        : m_screen(screen) {}
    ~WorkerBoxes() override;
    WorkerBoxes(const WorkerBoxes&) = delete;
    WorkerBoxes& operator=(const WorkerBoxes&) = delete;

    BoxAnswer show(const BoxRequest& request) override;
    // Releases every worker waiting for a box; later boxes are not shown.
    void close();

private:
    struct Pending;

    MessageBoxes& m_screen;
    std::shared_ptr<std::mutex> m_mutex = std::make_shared<std::mutex>();
    std::shared_ptr<std::condition_variable> m_answered =
        std::make_shared<std::condition_variable>();
    std::shared_ptr<bool> m_closed = std::make_shared<bool>(false);
};

} // namespace parvela::platform
