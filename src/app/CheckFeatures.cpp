#include "app/CheckFeatures.h"

#include "app/CatalogueCheckRun.h"
#include "checks/CatalogueCheckDialog.h"

namespace parvela::app {

void CheckFeatures::checkCatalogue(QWidget* owner) {
    checks::CatalogueCheckDialog dialog([this] { return checkCatalogueNow(m_catalog, m_machine); },
                                        owner);
    dialog.exec();
}

} // namespace parvela::app
