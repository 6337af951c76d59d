#include "app/CheckFeatures.h"

#include "app/CatalogData.h"
#include "app/CatalogueCheckRun.h"
#include "checks/CatalogueCheckDialog.h"

namespace parvela::app {

// Each check, the first and every "Yenile", reads the server first as the
// lint command does: a row changed elsewhere is judged as it now stands.
void CheckFeatures::checkCatalogue(QWidget* owner) {
    checks::CatalogueCheckDialog dialog(
        [this]() -> std::optional<std::vector<checks::Finding>> {
            if (m_catalog.readCatalogue() < 0)
                return std::nullopt;
            return checkCatalogueNow(m_catalog, m_machine);
        },
        owner);
    dialog.exec();
}

} // namespace parvela::app
