#include "ScriptedMessageBoxes.h"

#include <QStringList>
#include <utility>

namespace parvela::test {

namespace {

platform::BoxAnswer firstAnswerOf(platform::BoxButtons buttons) {
    switch (buttons) {
    case platform::BoxButtons::YesNo:
    case platform::BoxButtons::YesNoCancel:
        return platform::BoxAnswer::Yes;
    case platform::BoxButtons::Ok:
    case platform::BoxButtons::OkCancel:
        break;
    }
    return platform::BoxAnswer::Ok;
}

} // namespace

platform::BoxAnswer ScriptedMessageBoxes::show(const platform::BoxRequest& request) {
    m_shown.push_back(request);
    if (std::function<void()> work = std::exchange(m_whileShowing, {}))
        work();
    if (!m_answers.empty()) {
        const platform::BoxAnswer answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    return request.defaultAnswer.value_or(firstAnswerOf(request.buttons));
}

QStringList ScriptedMessageBoxes::texts() const {
    QStringList list;
    for (const platform::BoxRequest& box : m_shown)
        list << box.text;
    return list;
}

QStringList ScriptedMessageBoxes::captions() const {
    QStringList list;
    for (const platform::BoxRequest& box : m_shown)
        list << box.caption;
    return list;
}

} // namespace parvela::test
