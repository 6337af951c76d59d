#pragma once

#include <QByteArray>
#include <string_view>

namespace parvela::publishing {

// The SHA-256 of the bytes, in lower-case hex, as the publishing history
// keeps it for each file.
QByteArray sha256Hex(std::string_view bytes);

} // namespace parvela::publishing
