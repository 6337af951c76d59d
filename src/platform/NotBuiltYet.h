#pragma once

#include <QString>

class QObject;

namespace parvela::platform {
class MessageBoxes;
}

namespace parvela::platform {

inline const QString kNotBuiltYetText = QStringLiteral("Bu bölüm henüz hazır değil.");

// The one way a command whose window is still to be built answers the user:
// a box captioned with the command, so nothing looks done that is not.
void showNotBuiltYet(platform::MessageBoxes& boxes, const QString& caption, QObject* owner);

} // namespace parvela::platform
