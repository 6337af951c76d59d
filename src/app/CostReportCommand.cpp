#include "app/CostReportCommand.h"

#include "app/CatalogData.h"
#include "app/StartupLoad.h"
#include "platform/StreamMessageBoxes.h"
#include "recipes/CostReportText.h"
#include "recipes/StoredCostReader.h"

#include <QCommandLineParser>

namespace parvela::app {

namespace {

const QCommandLineOption kCode(QStringLiteral("stcode"),
                               QStringLiteral("Stock code of the product to report."),
                               QStringLiteral("code"));
const QCommandLineOption
    kStaleOnly(QStringLiteral("stale"),
               QStringLiteral("Only the products whose stored cost is stale."));

QString misuseOfCostReport(const QCommandLineParser& options) {
    bool isCode = false;
    options.value(kCode).toLongLong(&isCode);
    if (isCode == options.isSet(kStaleOnly))
        return QStringLiteral("cost-report needs either --stcode N or --stale");
    return {};
}

int runCostReport(BatchRun& run) {
    const qlonglong code = run.options.value(kCode).toLongLong();
    const bool staleOnly = run.options.isSet(kStaleOnly);
    const int boxesBefore = run.boxes.shownCount();
    CatalogData catalog(run.settings, run.boxes);
    reloadProducts(catalog);
    std::optional<recipes::CostReport> report = costReportOf(catalog);
    // Every box of the load reports a failed read.
    if (!report || run.boxes.shownCount() != boxesBefore)
        return kBatchFailed;
    if (staleOnly) {
        platform::writeText(run.out, recipes::staleListText(report->staleCosts()));
        return kBatchDone;
    }
    const std::optional<recipes::ProductCost> product =
        recipes::reportedProduct(*report, code, run.boxes);
    if (!product)
        return kBatchFailed;
    platform::writeText(run.out, recipes::costReportText(*product, report->staleCosts()));
    return kBatchDone;
}

} // namespace

std::optional<recipes::CostReport> costReportOf(CatalogData& catalog) {
    recipes::StoredCosts stored;
    if (recipes::readStoredCosts(catalog.runner(), stored) < 0)
        return std::nullopt;
    const stock::CatalogueRef catalogue = catalog.current();
    return recipes::CostReport(catalogue->products, catalogue->recipes.recipeLines, stored);
}

BatchCommand costReportCommand() {
    return {QStringLiteral("cost-report"),
            QStringLiteral("The recipe cost of a product: stored, one pass and fully expanded, "
                           "with what each ingredient adds and the products whose stored cost "
                           "is stale."),
            {kCode, kStaleOnly},
            misuseOfCostReport,
            runCostReport};
}

} // namespace parvela::app
