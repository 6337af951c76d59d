#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <cstdio>
#include <functional>
#include <vector>

class QCommandLineParser;

namespace parvela::platform {
class Settings;
class StreamMessageBoxes;
} // namespace parvela::platform

// The verbs of the command line: work that needs no window, for scheduled
// jobs and for checking results without clicking.
namespace parvela::app {

inline constexpr int kBatchDone = 0;
inline constexpr int kBatchLoginRefused = 1;
inline constexpr int kBatchUsage = 2;
inline constexpr int kBatchFailed = 3;

// What a verb works with. Its boxes go to standard error.
struct BatchRun {
    const QCommandLineParser& options;
    platform::Settings& settings;
    platform::StreamMessageBoxes& boxes;
    std::FILE* out;
    // The user code the run logged in with.
    QString user;
    // The file named after the verb, when the verb takes one.
    QString file;
};

struct BatchCommand {
    QString verb;
    QString description;
    QList<QCommandLineOption> options;
    // What is wrong with the options given, checked before the login; empty
    // when nothing is.
    std::function<QString(const QCommandLineParser&)> misuse;
    // Runs after the login; returns the exit code.
    std::function<int(BatchRun&)> run;
    // Paints a picture (offscreen), so it needs Qt's GUI side.
    bool draws = false;
    // The verb takes a file after it: required, optional or not at all.
    enum class FileArgument { None, Optional, Required } file = FileArgument::None;
    // What --help calls that argument when it is no file: its name and meaning.
    QString argumentName{};
    QString argumentHelp{};
};

class CatalogData;

// Every shared list, as the window loads them; false when a read failed (it
// said so).
bool loadedForBatch(BatchRun& run, CatalogData& catalog);

// Every verb; a new one adds itself here.
const std::vector<BatchCommand>& batchCommands();
// Their names, separated by commas.
QString batchVerbs();

// True when the first argument is a verb rather than an option.
bool isBatchCall(int argc, char* argv[]);

// Parses the verb's options, logs in as the LOGIN dialog would (user and
// password from --user/--password or the settings Batch/user,
// Batch/password), runs the verb and returns its exit code. Needs no display.
int runBatch(int argc, char* argv[]);

} // namespace parvela::app
