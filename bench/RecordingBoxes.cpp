#include "RecordingBoxes.h"

#include <iostream>

namespace parvela::bench {

namespace {

platform::BoxAnswer firstButton(platform::BoxButtons buttons) {
    return buttons == platform::BoxButtons::YesNo || buttons == platform::BoxButtons::YesNoCancel
               ? platform::BoxAnswer::Yes
               : platform::BoxAnswer::Ok;
}

} // namespace

platform::BoxAnswer RecordingBoxes::show(const platform::BoxRequest& request) {
    const QString line = QStringLiteral("[%1] %2").arg(request.caption, request.text);
    std::cerr << "MESSAGE BOX during the load: " << line.toStdString() << std::endl;
    m_shown.append(line);
    return request.defaultAnswer.value_or(firstButton(request.buttons));
}

} // namespace parvela::bench
