#include "app/UndoCommand.h"

#include "app/CatalogData.h"
#include "journal/ChangeHistory.h"
#include "journal/UndoTexts.h"
#include "platform/StreamMessageBoxes.h"

#include <QCommandLineParser>

namespace parvela::app {

namespace {

const QCommandLineOption kList(QStringLiteral("list"),
                               QStringLiteral("List the kept changes, newest first."));
const QCommandLineOption
    kForce(QStringLiteral("force"),
           QStringLiteral("Take the change back even over products changed since."));

long long changeId(const QString& text) {
    bool ok = false;
    const long long id = text.toLongLong(&ok);
    return ok && id > 0 ? id : 0;
}

QString misuse(const QCommandLineParser& parser) {
    const QString id = parser.positionalArguments().value(1);
    if (parser.isSet(kList))
        return id.isEmpty() && !parser.isSet(kForce)
                   ? QString()
                   : QStringLiteral("--list takes no change and no --force.");
    if (id.isEmpty())
        return QStringLiteral(
            "Name the change to take back (undo ID), or list them (undo --list).");
    return changeId(id) == 0 ? QStringLiteral("The change is named by its number, as undo --list "
                                              "shows it.")
                             : QString();
}

int listChanges(BatchRun& run, CatalogData& catalog) {
    std::vector<journal::JournalEntry> entries;
    if (journal::readChanges(catalog.runner(), entries) < 0)
        return kBatchFailed;
    QString text;
    for (const journal::JournalEntry& entry : entries)
        text += QStringLiteral("%1\t%2\t%3\t%4\t%5%6\n")
                    .arg(entry.id)
                    .arg(entry.made, entry.user, entry.caption, journal::productCount(entry),
                         entry.undone ? QStringLiteral("\tGeri alındı") : QString());
    platform::writeText(run.out, text);
    return kBatchDone;
}

int runUndo(BatchRun& run) {
    CatalogData catalog(run.settings, run.boxes);
    if (!loadedForBatch(run, catalog))
        return kBatchFailed;
    if (run.options.isSet(kList))
        return listChanges(run, catalog);
    const journal::UndoResult result =
        journal::undoChange(catalog.runner(), changeId(run.file), run.options.isSet(kForce));
    if (result.status == journal::UndoResult::Status::Failed)
        return kBatchFailed;
    QString report = journal::undoReport(result, *catalog.current()) + QLatin1Char('\n');
    if (result.status != journal::UndoResult::Status::Undone) {
        if (result.status == journal::UndoResult::Status::ChangedSince)
            report += QStringLiteral("--force ile bu ürünlerin üzerine yazılır.\n");
        platform::writeText(stderr, report);
        return kBatchFailed;
    }
    platform::writeText(run.out, report);
    return kBatchDone;
}

} // namespace

BatchCommand undoCommand() {
    BatchCommand command{
        QStringLiteral("undo"),
        QStringLiteral("Take a bulk change back, as \"Geri Al\" does: every product it wrote gets "
                       "its rows from before it. Products changed since are listed and the run "
                       "ends with 3 unless --force overwrites them. --list lists the changes."),
        {kList, kForce},
        misuse,
        runUndo};
    command.file = BatchCommand::FileArgument::Optional;
    command.argumentName = QStringLiteral("ID");
    command.argumentHelp = QStringLiteral("The change, by its number in undo --list.");
    return command;
}

} // namespace parvela::app
