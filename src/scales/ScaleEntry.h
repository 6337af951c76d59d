#pragma once

#include <string>

namespace parvela::scales {

struct ScaleEntry {
    static constexpr size_t kAddressSize = 20;

    int Id = 0;
    std::string ipaddr;

    // The dialog stores an empty edit as a row too; such a row names no scale.
    bool hasAddress() const { return ipaddr.find_first_not_of(" \t") != std::string::npos; }
};

} // namespace parvela::scales
