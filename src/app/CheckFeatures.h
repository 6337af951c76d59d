#pragma once

#include "app/MainFeatures.h"

namespace parvela::platform {
class MachineInfo;
}

namespace parvela::app {

class CatalogData;

// "Katalog Kontrolü" on the main screen: the check's window over the lists
// in memory.
class CheckFeatures : public CheckCommands {
public:
    CheckFeatures(CatalogData& catalog, const platform::MachineInfo& machine)
        : m_catalog(catalog)
        , m_machine(machine) {}

    void checkCatalogue(QWidget* owner) override;

private:
    CatalogData& m_catalog;
    const platform::MachineInfo& m_machine;
};

} // namespace parvela::app
