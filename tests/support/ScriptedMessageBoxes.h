#pragma once

#include "platform/MessageBoxes.h"

#include <deque>
#include <vector>

namespace parvela::test {

// Stands in for the user in front of message boxes: records every box and
// answers with queued answers, or with the box's default when none is queued.
class ScriptedMessageBoxes : public platform::MessageBoxes {
public:
    platform::BoxAnswer show(const platform::BoxRequest& request) override;

    void queueAnswer(platform::BoxAnswer answer) { m_answers.push_back(answer); }
    const std::vector<platform::BoxRequest>& shown() const { return m_shown; }
    QStringList texts() const;
    QStringList captions() const;
    void clear() { m_shown.clear(); }

private:
    std::deque<platform::BoxAnswer> m_answers;
    std::vector<platform::BoxRequest> m_shown;
};

} // namespace parvela::test
