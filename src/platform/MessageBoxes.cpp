#include "platform/MessageBoxes.h"

namespace parvela::platform {

void MessageBoxes::tell(const QString& text, const QString& caption, BoxIcon icon, QObject* owner) {
    show(BoxRequest{text, caption, icon, BoxButtons::Ok, std::nullopt, owner, false});
}

} // namespace parvela::platform
