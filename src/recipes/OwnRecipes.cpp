#include "recipes/OwnRecipes.h"

#include "db/StatementRunner.h"
#include "platform/BackgroundJobs.h"
#include "platform/BulkChangeBoxes.h"
#include "platform/JobProgressDialog.h"
#include "platform/MessageBoxes.h"
#include "recipes/RecipeListReaders.h"
#include "recipes/RecipeStatements.h"
#include "records/CatalogueEdits.h"

#include <QWidget>

namespace parvela::recipes {

namespace {

const QString kCaption = QStringLiteral("INSERT_RECETELER_KENDI");

bool confirmed(platform::MessageBoxes& boxes, int total, QObject* owner) {
    return platform::askBeforeChange(boxes, ownRecipesQuestion(total), kCaption, owner);
}

// The change and its summary, on whichever thread runs the job; its boxes
// are the job's.
platform::JobWork ownRecipesJob(const db::StatementRunner& runner,
                                std::vector<stock::StockCode> products,
                                std::shared_ptr<int> result) {
    return [&runner, products = std::move(products), result](platform::JobReport& report) {
        const db::StatementRunner jobRunner = runner.withBoxes(report.boxes());
        const int total = static_cast<int>(products.size());
        report.setRange(total);
        *result = insertOwnRecipes(jobRunner, products,
                                   {[&report](int done) { report.step(done); },
                                    [&report] {
                                        return report.cancelled();
                                    }});
        report.boxes().tell(ownRecipesSummary(*result, total), kCaption);
    };
}

} // namespace

bool makeOwnRecipes(RecipeContext& context, const std::vector<stock::StockCode>& products,
                    QWidget* owner) {
    const int total = static_cast<int>(products.size());
    if (total == 0 || !confirmed(context.boxes, total, owner))
        return false;
    auto result = std::make_shared<int>(0);
    platform::JobWork work = ownRecipesJob(context.runner, products, result);
    if (context.jobs != nullptr) {
        platform::runBehindProgress(*context.jobs, std::move(work),
                                    QStringLiteral("Reçeteler yazılıyor"), owner);
    } else {
        platform::JobReport report(std::make_shared<platform::JobMailbox>(nullptr),
                                   std::make_shared<std::atomic<bool>>(false), context.boxes);
        work(report);
    }
    std::vector<RecipeLine> lines;
    if (readRecipeLines(context.runner, lines) >= 0)
        stock::putRecipeLines(context.catalogue, std::move(lines));
    return *result == total;
}

} // namespace parvela::recipes
