#include "UserTimings.h"

#include "RecordingBoxes.h"
#include "app/CatalogData.h"
#include "app/StartupLoad.h"
#include "db/Row.h"
#include "platform/BackgroundJobs.h"
#include "platform/LargeMemory.h"
#include "platform/ProgramMessenger.h"
#include "stock/CostPropagation.h"
#include "stock/ProductFilters.h"
#include "stock/StockContext.h"
#include "stock/StockEditorSave.h"

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <iostream>

namespace parvela::bench {

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

// The texts a manager types, one letter more at each step, from two letters
// on (one letter does not search).
std::vector<QString> typings() {
    std::vector<QString> steps;
    for (const QString& word : {QStringLiteral("tavuk şiş"), QStringLiteral("mercimek"),
                                QStringLiteral("kofte"), QStringLiteral("ayran")})
        for (qsizetype length = 2; length <= word.size(); ++length)
            steps.push_back(word.left(length));
    return steps;
}

std::vector<double> keystrokes(const stock::StockCatalog& stock) {
    std::vector<double> times;
    for (int round = 0; round < 5; ++round) {
        stock::StockBrowserState browser;
        for (const QString& text : typings()) {
            const Clock::time_point start = Clock::now();
            stock::showByName(browser, stock, text);
            times.push_back(millisecondsSince(start));
        }
    }
    return times;
}

// The ingredient that most recipes use: the save whose costs take longest.
stock::StockCode busiestIngredient(const std::vector<recipes::RecipeLine>& lines) {
    std::unordered_map<stock::StockCode, int> uses;
    for (const recipes::RecipeLine& line : lines)
        ++uses[line.ingredient];
    const auto most = std::max_element(
        uses.begin(), uses.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
    return most == uses.end() ? 0 : most->first;
}

} // namespace

UserTimings measureUserTimings(const platform::Settings& settings) {
    platform::keepFreedMemoryForReuse();
    RecordingBoxes boxes;
    app::CatalogData catalog(settings, boxes);
    app::loadSharedLists(catalog);
    platform::ProgramMessenger messenger(10);
    platform::BackgroundJobs jobs(boxes);
    stock::StockContext context = catalog.stockContext(boxes, messenger, jobs);
    UserTimings timings;
    const std::vector<double> typed = keystrokes(catalog.stock());
    timings.keystroke = median(typed);
    timings.slowestKeystroke = *std::max_element(typed.begin(), typed.end());

    const stock::StockCode ingredient = busiestIngredient(catalog.recipes().recipeLines);
    std::vector<double> saves;
    std::vector<double> statements;
    std::vector<double> costs;
    std::vector<double> rereads;
    std::vector<double> listsBack;
    for (int round = 0; round < 5; ++round) {
        const auto found =
            std::find_if(catalog.stock().products.begin(), catalog.stock().products.end(),
                         [&](const stock::StockDefinition& p) { return p.stcode == ingredient; });
        if (found == catalog.stock().products.end())
            break;
        stock::EditorContext editor{context, nullptr, {}};
        stock::EditedProduct edited = stock::openForEdit(context, *found);
        stock::StockEditorForm form = stock::formOf(edited, context);
        form.unitcost = QString::number(10 + round);
        const Clock::time_point start = Clock::now();
        if (stock::saveEdited(editor, edited, form).result != stock::EditSaveResult::Saved)
            break;
        statements.push_back(millisecondsSince(start));
        const Clock::time_point costStart = Clock::now();
        auto mailbox = std::make_shared<platform::JobMailbox>(nullptr);
        platform::JobReport report(mailbox, std::make_shared<std::atomic<bool>>(false), boxes);
        timings.costedProducts = stock::propagateCost(catalog.runner(), edited.product.stcode,
                                                      *stock::costIndexFor(context), report);
        costs.push_back(millisecondsSince(costStart));
        const std::uint64_t generation = catalog.stock().generation;
        const Clock::time_point rereadStart = Clock::now();
        stock::finishEditSave(editor);
        rereads.push_back(millisecondsSince(rereadStart));
        saves.push_back(millisecondsSince(start));
        const Clock::time_point savedAt = Clock::now();
        while (catalog.stock().generation == generation && jobs.busy())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
        QCoreApplication::processEvents();
        listsBack.push_back(millisecondsSince(savedAt));
    }
    timings.editSave = median(saves);
    timings.saveStatements = median(statements);
    timings.costs = median(costs);
    timings.reread = median(rereads);
    timings.listBack = median(listsBack);
    if (!boxes.empty())
        std::cerr << "a box appeared while timing the user's steps\n";
    return timings;
}

} // namespace parvela::bench
