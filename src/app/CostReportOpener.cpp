#include "app/CostReportOpener.h"

#include "app/CostReportCommand.h"
#include "recipes/CostReportWindow.h"

namespace parvela::app {

CostReportOpen costReportOpener(CatalogData& catalog, platform::MessageBoxes& boxes) {
    return [&catalog, &boxes](const stock::StockDefinition& product, QWidget* owner) {
        if (std::optional<recipes::CostReport> report = costReportOf(catalog))
            recipes::openCostReport(*report, product, boxes, owner);
    };
}

} // namespace parvela::app
