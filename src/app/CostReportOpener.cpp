#include "app/CostReportOpener.h"

#include "app/CostReportCommand.h"
#include "platform/MessageBoxes.h"
#include "recipes/CostReportText.h"
#include "recipes/CostReportWindow.h"
#include "recipes/StaleCostFix.h"

namespace parvela::app {

namespace {

// "Maliyetleri Güncelle" of the window: says how many it changed, and the
// window shows the report anew.
recipes::StaleCostFixer staleCostFixer(CatalogData& catalog, platform::MessageBoxes& boxes,
                                       stock::StockCode code, QWidget* owner) {
    return [&catalog, &boxes, code, owner]() -> std::optional<recipes::CostReportView> {
        const int written = fixStaleCosts(catalog);
        if (written < 0)
            return std::nullopt;
        boxes.tell(recipes::staleFixedText(written), QString::fromUtf8(recipes::kFixStaleCaption),
                   platform::BoxIcon::Information, owner);
        std::optional<recipes::CostReport> report = costReportOf(catalog);
        if (!report)
            return std::nullopt;
        std::optional<recipes::ProductCost> product = report->product(code);
        if (!product)
            return std::nullopt;
        return recipes::CostReportView{std::move(*product), report->staleCosts()};
    };
}

} // namespace

CostReportOpen costReportOpener(CatalogData& catalog, platform::MessageBoxes& boxes) {
    return [&catalog, &boxes](const stock::StockDefinition& product, QWidget* owner) {
        if (std::optional<recipes::CostReport> report = costReportOf(catalog))
            recipes::openCostReport(*report, product, boxes, owner,
                                    staleCostFixer(catalog, boxes, product.stcode, owner));
    };
}

} // namespace parvela::app
