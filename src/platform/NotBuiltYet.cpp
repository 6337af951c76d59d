#include "platform/NotBuiltYet.h"

#include "platform/MessageBoxes.h"

namespace parvela::platform {

void showNotBuiltYet(platform::MessageBoxes& boxes, const QString& caption, QObject* owner) {
    boxes.tell(kNotBuiltYetText, caption, platform::BoxIcon::Information, owner);
}

} // namespace parvela::platform
