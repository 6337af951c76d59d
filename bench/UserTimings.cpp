#include "UserTimings.h"

#include "BaselineFetch.h"
#include "LoadedStock.h"
#include "RecordingBoxes.h"
#include "Report.h"
#include "app/CatalogData.h"
#include "db/Connector.h"
#include "db/DbConnection.h"
#include "db/Row.h"
#include "platform/BackgroundJobs.h"
#include "platform/LargeMemory.h"
#include "platform/TurkishText.h"
#include "stock/browser/ProductFilters.h"
#include "stock/catalogue/CostPropagation.h"
#include "stock/catalogue/StockContext.h"
#include "stock/editor/StockEditorSave.h"

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cppconn/connection.h>
#include <cppconn/exception.h>
#include <cppconn/resultset.h>
#include <cppconn/statement.h>
#include <iostream>
#include <numeric>

namespace parvela::bench {

namespace {

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

double mean(const std::vector<double>& values) {
    return std::accumulate(values.begin(), values.end(), 0.0) / static_cast<double>(values.size());
}

constexpr int kRounds = 5;

std::vector<double> keystrokes(const stock::CatalogueRef& stock) {
    std::vector<double> times;
    for (int round = 0; round < kRounds; ++round) {
        stock::StockBrowserState browser;
        for (const QString& text : typings()) {
            const Clock::time_point start = Clock::now();
            stock::showByName(browser, stock, text);
            times.push_back(millisecondsSince(start));
        }
    }
    return times;
}

// Every name scanned again at each keystroke, with the names folded beforehand.
std::vector<double> plainScans(const stock::CatalogueRef& stock) {
    std::vector<QString> names;
    for (const stock::StockDefinition& product : stock->products)
        names.push_back(platform::TurkishText::fold(product.stname));
    std::vector<double> times;
    for (int round = 0; round < kRounds; ++round) {
        for (const QString& text : typings()) {
            const Clock::time_point start = Clock::now();
            const QString wanted = platform::TurkishText::fold(text);
            std::vector<std::uint32_t> hits;
            for (std::uint32_t i = 0; i < names.size(); ++i)
                if (names[i].contains(wanted))
                    hits.push_back(i);
            times.push_back(millisecondsSince(start));
        }
    }
    return times;
}

// The same statements through the bare client on its open connection, or -1.
double replayed(sql::Connection& link, const std::vector<db::IssuedStatement>& statements) {
    try {
        const Clock::time_point start = Clock::now();
        executeOnConnection(link, statements);
        return millisecondsSince(start);
    } catch (const sql::SQLException& e) {
        std::cerr << "replaying the save: " << e.what() << "\n";
        return -1;
    }
}

// The change journal's newest entry: a replay of a save writes its entry again.
long long newestChange(sql::Connection& link) {
    const std::unique_ptr<sql::Statement> statement(link.createStatement());
    const std::unique_ptr<sql::ResultSet> result(
        statement->executeQuery("SELECT COALESCE(MAX(id), -1) FROM parvela_journal.changes"));
    return result->next() ? result->getInt64(1) : -1;
}

// Untimed, before a replay: the entry it writes again under the same id.
void forgetChange(sql::Connection& link, long long id) {
    const std::unique_ptr<sql::Statement> statement(link.createStatement());
    const std::string change = std::to_string(id);
    db::executeAll(*statement,
                   "DELETE FROM parvela_journal.kept_rows WHERE change_id = " + change +
                       "; DELETE FROM parvela_journal.kept_tables WHERE change_id = " + change +
                       "; DELETE FROM parvela_journal.changes WHERE id = " + change + ";");
}

} // namespace

UserTimings measureUserTimings(const platform::Settings& settings) {
    platform::keepFreedMemoryForReuse();
    // Outlives the jobs, which copy the runner that records into it.
    db::StatementJournal journal;
    // The save is one journalled change: the replay sends all of it.
    journal.recordFraming(true);
    LoadedStock loaded(settings);
    RecordingBoxes& boxes = loaded.boxes;
    app::CatalogData& catalog = loaded.catalog;
    platform::BackgroundJobs& jobs = loaded.jobs;
    stock::StockContext& context = loaded.context;
    UserTimings timings;
    const std::vector<double> typed = keystrokes(catalog.current());
    timings.keystroke = mean(typed);
    timings.slowestKeystroke = *std::max_element(typed.begin(), typed.end());
    timings.keystrokes = static_cast<int>(typed.size());
    timings.keystrokeBaseline = mean(plainScans(catalog.current()));
    const db::DbConnection connection(settings);
    // Opened once, as the program keeps its connection between saves.
    const std::unique_ptr<sql::Connection> link = db::openConnection(connection);

    const stock::StockCode ingredient = busiestIngredient(catalog.current()->recipes.recipeLines);
    std::vector<double> saves;
    std::vector<double> statements;
    std::vector<double> replays;
    std::vector<db::IssuedStatement> lastSave;
    long long lastChange = -1;
    std::vector<double> costs;
    std::vector<double> rereads;
    std::vector<double> listsBack;
    for (int round = 0; round <= kRounds + 1; ++round) {
        const stock::ProductPtr found = catalog.current()->shared(ingredient);
        if (!found)
            break;
        stock::EditorContext editor{context, nullptr, {}};
        stock::EditedProduct edited = stock::openForEdit(context, *found);
        stock::StockEditorForm form = stock::formOf(edited, context);
        form.unitcost = QString::number(10 + round);
        journal.clear();
        catalog.runner().setJournal(&journal);
        const Clock::time_point start = Clock::now();
        if (stock::saveEdited(editor, edited, form).result != stock::EditSaveResult::Saved)
            break;
        const double saveTime = millisecondsSince(start);
        catalog.runner().setJournal(nullptr);
        const long long savedChange = newestChange(*link);
        // The first save inserts the side rows that later ones update: it is
        // neither counted nor replayed. A replay sends the last round's save,
        // values that differ from the stored ones as the program's save had.
        if (round > 0)
            statements.push_back(saveTime);
        if (round > 1) {
            forgetChange(*link, lastChange);
            replays.push_back(replayed(*link, lastSave));
        }
        lastSave = journal.entries();
        lastChange = savedChange;
        timings.saveStatementCount = static_cast<int>(lastSave.size());
        const Clock::time_point costStart = Clock::now();
        auto mailbox = std::make_shared<platform::JobMailbox>(nullptr);
        platform::JobReport report(mailbox, std::make_shared<std::atomic<bool>>(false), boxes);
        timings.costedProducts = stock::propagateCost(catalog.runner(), edited.product.stcode,
                                                      *stock::costIndexFor(context), report);
        costs.push_back(millisecondsSince(costStart));
        const std::uint64_t revision = catalog.catalogue().revision();
        const Clock::time_point rereadStart = Clock::now();
        stock::finishEditSave(editor);
        rereads.push_back(millisecondsSince(rereadStart));
        saves.push_back(millisecondsSince(start));
        const Clock::time_point savedAt = Clock::now();
        while (catalog.catalogue().revision() == revision && jobs.busy())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
        QCoreApplication::processEvents();
        listsBack.push_back(millisecondsSince(savedAt));
    }
    timings.editSave = median(saves);
    timings.saveStatements = median(statements);
    timings.saveReplay = median(replays);
    timings.costs = median(costs);
    timings.reread = median(rereads);
    timings.listBack = median(listsBack);
    if (!boxes.empty())
        std::cerr << "a box appeared while timing the user's steps\n";
    return timings;
}

} // namespace parvela::bench
