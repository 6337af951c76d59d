#pragma once

#include <QString>
#include <optional>
#include <string>

class QObject;

namespace parvela::platform {
class MessageBoxes;
}

namespace parvela::scales {

class ScaleStore;

// "Teraziye Gönder" up to the file: stops with a box when no scale has an
// address, shows the list, writes it to `path`. The bytes written, or
// nothing when there is nothing to send.
std::optional<std::string> writePluList(const ScaleStore& store, const QString& path,
                                        platform::MessageBoxes& boxes, QObject* owner);

} // namespace parvela::scales
