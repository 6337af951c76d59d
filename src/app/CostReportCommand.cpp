#include "app/CostReportCommand.h"

#include "app/CatalogData.h"
#include "app/StartupLoad.h"
#include "platform/StreamMessageBoxes.h"
#include "recipes/CostReportText.h"
#include "recipes/StaleCostFix.h"
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

const QCommandLineOption
    kFixStale(QStringLiteral("fix-stale"),
              QStringLiteral("Write the full cost of every product whose stored cost is stale, "
                             "in one change."));

QString misuseOfCostReport(const QCommandLineParser& options) {
    bool isCode = false;
    options.value(kCode).toLongLong(&isCode);
    if (options.isSet(kFixStale)) {
        if (isCode || options.isSet(kStaleOnly) || options.isSet(kCode))
            return QStringLiteral("cost-report --fix-stale takes no other option");
        return {};
    }
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
    if (run.options.isSet(kFixStale)) {
        platform::writeText(run.out, recipes::staleListText(report->staleCosts()));
        const int written = fixStaleCosts(catalog);
        if (written < 0)
            return kBatchFailed;
        platform::writeText(run.out, recipes::staleFixedText(written) + QLatin1Char('\n'));
        return kBatchDone;
    }
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

int fixStaleCosts(CatalogData& catalog) {
    std::optional<recipes::CostReport> report = costReportOf(catalog);
    if (!report)
        return -1;
    const int written = recipes::fixStaleCosts(catalog.runner(), report->staleCosts());
    // The windows show what the server holds, whatever became of the change.
    reloadProducts(catalog);
    return written;
}

BatchCommand costReportCommand() {
    return {QStringLiteral("cost-report"),
            QStringLiteral("The recipe cost of a product: stored, one pass and fully expanded, "
                           "with what each ingredient adds and the products whose stored cost "
                           "is stale; --fix-stale writes their full costs."),
            {kCode, kStaleOnly, kFixStale},
            misuseOfCostReport,
            runCostReport};
}

} // namespace parvela::app
