#pragma once

#include "checks/CatalogueCheck.h"

#include <optional>

namespace parvela::platform {
class MachineInfo;
}

namespace parvela::app {

class CatalogData;

// The catalogue check over the lists in memory, with the stored costs and
// the picture rows read again and the pictures folder listed; nothing when a
// read failed (it said so).
std::optional<std::vector<checks::Finding>> checkCatalogueNow(CatalogData& catalog,
                                                              const platform::MachineInfo& machine);

} // namespace parvela::app
