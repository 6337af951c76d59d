#pragma once

#include "records/ProductList.h"

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
// address, shows the list of `weighed` products, writes it to `path`. The
// bytes written, or nothing when there is nothing to send.
std::optional<std::string> writePluList(const ScaleStore& store, const stock::ProductList& weighed,
                                        const QString& path, platform::MessageBoxes& boxes,
                                        QObject* owner);

} // namespace parvela::scales
