#include "platform/MessageBoxes.h"

namespace parvela::platform {

BoxAnswer escapeAnswerOf(BoxButtons buttons) {
    switch (buttons) {
    case BoxButtons::Ok:
        return BoxAnswer::Ok;
    case BoxButtons::YesNo:
        return BoxAnswer::No;
    case BoxButtons::OkCancel:
    case BoxButtons::YesNoCancel:
        break;
    }
    return BoxAnswer::Cancel;
}

void MessageBoxes::tell(const QString& text, const QString& caption, BoxIcon icon, QObject* owner) {
    show(BoxRequest{text, caption, icon, BoxButtons::Ok, std::nullopt, owner, false});
}

} // namespace parvela::platform
