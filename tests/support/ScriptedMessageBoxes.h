#pragma once

#include "platform/MessageBoxes.h"

#include <deque>
#include <functional>
#include <vector>

namespace parvela::test {

// Stands in for the user in front of message boxes: records every box and
// answers with queued answers, or with the box's default when none is queued.
class ScriptedMessageBoxes : public platform::MessageBoxes {
public:
    platform::BoxAnswer show(const platform::BoxRequest& request) override;

    void queueAnswer(platform::BoxAnswer answer) { m_answers.push_back(answer); }
    // Runs while the next box is up, as work the window thread queued runs
    // inside a real box's loop.
    void whileNextBoxShows(std::function<void()> work) { m_whileShowing = std::move(work); }
    const std::vector<platform::BoxRequest>& shown() const { return m_shown; }
    QStringList texts() const;
    QStringList captions() const;
    void clear() { m_shown.clear(); }

private:
    std::deque<platform::BoxAnswer> m_answers;
    std::vector<platform::BoxRequest> m_shown;
    std::function<void()> m_whileShowing;
};

} // namespace parvela::test
