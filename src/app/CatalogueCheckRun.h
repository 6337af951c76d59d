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
// The errors of that check; 0 when a read failed, which was told already and
// is no reason to hold the catalogue back.
int catalogueErrorsNow(CatalogData& catalog, const platform::MachineInfo& machine);

} // namespace parvela::app
