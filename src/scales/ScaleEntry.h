#pragma once

#include <string>

namespace parvela::scales {

struct ScaleEntry {
    static constexpr size_t kAddressSize = 20;

    int Id = 0;
    std::string ipaddr;
};

} // namespace parvela::scales
