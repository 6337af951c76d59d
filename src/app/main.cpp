#include "app/Application.h"
#include "app/BatchCommands.h"
#include "app/LoginDialog.h"
#include "platform/LargeMemory.h"
#include "platform/QtMessageBoxes.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstring>

namespace {

void describeCommandLine(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("Parvela Yönetim: menu and stock management of the restaurant"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("command"),
                                 QStringLiteral("Runs a command without the window: ") +
                                     parvela::app::batchVerbs() +
                                     QStringLiteral(" (with --help for its options)."),
                                 QStringLiteral("[command]"));
}

// --version and --help answer on a machine without a display, too.
bool asksAboutProgram(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i)
        for (const char* option : {"--version", "-v", "--help", "-h", "-?", "--help-all"})
            if (std::strcmp(argv[i], option) == 0)
                return true;
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    parvela::platform::keepFreedMemoryForReuse();
    QCoreApplication::setApplicationName(QStringLiteral("parvela-yonetim"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PARVELA_VERSION));
    // A verb runs without windows, so without a display too.
    if (parvela::app::isBatchCall(argc, argv))
        return parvela::app::runBatch(argc, argv);
    if (asksAboutProgram(argc, argv)) {
        const QCoreApplication plain(argc, argv);
        QCommandLineParser parser;
        describeCommandLine(parser);
        parser.process(plain); // prints and exits
    }
    QApplication qtApp(argc, argv);
    // Qt's own dialogs (colours, files) speak Turkish too, where the
    // translation is installed.
    QTranslator qtTurkish;
    if (qtTurkish.load(QLocale(QLocale::Turkish, QLocale::Turkey), QStringLiteral("qtbase"),
                       QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTurkish);

    QCommandLineParser parser;
    describeCommandLine(parser);
    parser.process(qtApp);

    parvela::platform::QtMessageBoxes boxes;
    parvela::app::Application application(boxes);
    parvela::app::LoginDialogPrompt prompt;
    if (const std::optional<int> exitCode = application.start(prompt))
        return *exitCode;
    return QApplication::exec();
}
