#include "app/BatchCommands.h"

#include "app/ActiveUser.h"
#include "app/CatalogData.h"
#include "app/CostReportCommand.h"
#include "app/LabelCommand.h"
#include "app/LintCommand.h"
#include "app/Login.h"
#include "app/PluCommand.h"
#include "app/PublishCommand.h"
#include "app/SheetCommand.h"
#include "app/StartupLoad.h"
#include "app/UndoCommand.h"
#include "platform/MachineInfo.h"
#include "platform/Settings.h"
#include "platform/StreamMessageBoxes.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <memory>
#include <optional>

namespace parvela::app {

namespace {

const QCommandLineOption kUser(QStringLiteral("user"),
                               QStringLiteral("User code (default: the setting Batch/user)."),
                               QStringLiteral("code"));
const QCommandLineOption
    kPassword(QStringLiteral("password"),
              QStringLiteral("Password (default: the setting Batch/password)."),
              QStringLiteral("digits"));

// The login of a run, once, with what it was given; `user` gets who the
// publishing history names.
LoginResult logInForBatch(const QCommandLineParser& parser, const platform::Settings& settings,
                          platform::MessageBoxes& boxes, QString& user) {
    ActiveUser active(settings, boxes);
    LoginResult result = LoginResult::SkippedOnDeveloperMachine;
    if (isDeveloperMachine(platform::MachineInfo::ofThisComputer(settings),
                           settings.developerMachines()))
        active.markLoginSkipped();
    else
        result = logInOnce({parser.isSet(kUser) ? parser.value(kUser) : settings.batchUser(),
                            parser.isSet(kPassword) ? parser.value(kPassword).toStdString()
                                                    : settings.batchPassword()},
                           active, boxes);
    user = active.historyName();
    return result;
}

const BatchCommand* commandNamed(const QString& verb) {
    for (const BatchCommand& command : batchCommands())
        if (command.verb == verb)
            return &command;
    return nullptr;
}

QString unknownVerbText(const QString& verb) {
    return QStringLiteral("Unknown command \"%1\"; the commands are: %2\n").arg(verb, batchVerbs());
}

QString misuseOf(const BatchCommand& command, const QCommandLineParser& parser) {
    if (!parser.errorText().isEmpty())
        return parser.errorText();
    const qsizetype given = parser.positionalArguments().size();
    using File = BatchCommand::FileArgument;
    if (command.file == File::Required && given < 2)
        return QStringLiteral("Name the file after \"%1\".").arg(command.verb);
    if (given > (command.file == File::None ? 1 : 2))
        return QStringLiteral("One command at a time.");
    return command.misuse ? command.misuse(parser) : QString();
}

// The exit code when the run ends with the options: help asked for, or a
// mistake in them.
std::optional<int> parseOptions(const BatchCommand& command, const QStringList& arguments,
                                QCommandLineParser& parser) {
    parser.setApplicationDescription(command.description);
    const QCommandLineOption help = parser.addHelpOption();
    parser.addPositionalArgument(command.verb, command.description);
    if (command.file != BatchCommand::FileArgument::None) {
        const QString name =
            command.argumentName.isEmpty() ? QStringLiteral("FILE") : command.argumentName;
        parser.addPositionalArgument(name.toLower(),
                                     command.argumentHelp.isEmpty() ? QStringLiteral("The file.")
                                                                    : command.argumentHelp,
                                     command.file == BatchCommand::FileArgument::Required
                                         ? name
                                         : QLatin1Char('[') + name + QLatin1Char(']'));
    }
    parser.addOptions({kUser, kPassword});
    parser.addOptions(command.options);
    if (parser.parse(arguments) && parser.isSet(help)) {
        platform::writeText(stdout, parser.helpText());
        return kBatchDone;
    }
    if (const QString misuse = misuseOf(command, parser); !misuse.isEmpty()) {
        platform::writeText(stderr, misuse + QLatin1Char('\n'));
        return kBatchUsage;
    }
    return std::nullopt;
}

// A verb that draws gets the fonts and painting of a GUI application, on
// no display; the others need neither.
std::unique_ptr<QCoreApplication> applicationFor(const BatchCommand* command, int& argc,
                                                 char* argv[]) {
    if (command == nullptr || !command->draws)
        return std::make_unique<QCoreApplication>(argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

bool loadedForBatch(BatchRun& run, CatalogData& catalog) {
    const int boxesBefore = run.boxes.shownCount();
    catalog.runner().setActor(
        {run.user.toStdString(),
         platform::MachineInfo::ofThisComputer(run.settings).computerName().toStdString()});
    loadSharedLists(catalog);
    return run.boxes.shownCount() == boxesBefore;
}

const std::vector<BatchCommand>& batchCommands() {
    static const std::vector<BatchCommand> commands = {
        costReportCommand(), pluCommand(),  labelCommand(),     labelPreviewCommand(),
        publishCommand(),    menuCommand(), priceListCommand(), importCommand(),
        exportCommand(),     lintCommand(), undoCommand()};
    return commands;
}

QString batchVerbs() {
    QStringList verbs;
    for (const BatchCommand& command : batchCommands())
        verbs << command.verb;
    return verbs.join(QStringLiteral(", "));
}

bool isBatchCall(int argc, char* argv[]) {
    return argc > 1 && argv[1][0] != '-';
}

int runBatch(int argc, char* argv[]) {
    const BatchCommand* command = commandNamed(QString::fromLocal8Bit(argv[1]));
    const std::unique_ptr<QCoreApplication> qtApp = applicationFor(command, argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (command == nullptr) {
        platform::writeText(stderr, unknownVerbText(arguments.value(1)));
        return kBatchUsage;
    }
    QCommandLineParser parser;
    if (const std::optional<int> done = parseOptions(*command, arguments, parser))
        return *done;
    platform::Settings settings;
    platform::StreamMessageBoxes boxes(stderr);
    QString user;
    switch (logInForBatch(parser, settings, boxes, user)) {
    case LoginResult::Cancelled:
        return kBatchLoginRefused;
    // Nobody was judged: the work failed, not the login.
    case LoginResult::ServerUnreachable:
        return kBatchFailed;
    case LoginResult::LoggedIn:
    case LoginResult::SkippedOnDeveloperMachine:
        break;
    }
    BatchRun run{parser, settings, boxes, stdout, user, parser.positionalArguments().value(1)};
    return command->run(run);
}

} // namespace parvela::app
