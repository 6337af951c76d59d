#pragma once

namespace parvela::platform {
class Settings;
}

namespace parvela::bench {

// What a manager waits for on a loaded catalogue, in milliseconds: one
// keystroke of the name search, typed letter by letter (the mean over the
// words), and one save in the edit window (medians: the save, the cost of
// the products using it, the start of the re-read), and how long the list
// read again on a worker takes to come. Each with its baseline.
struct UserTimings {
    double keystroke = -1;
    double slowestKeystroke = -1; // the first, which folds every name once
    int keystrokes = 0;
    // A plain scan of the folded names for every keystroke.
    double keystrokeBaseline = -1;

    double editSave = -1;
    // Its parts: the statements of the save, the costs, the re-read.
    double saveStatements = -1;
    int saveStatementCount = 0;
    // The statements of the save again, on one connection of the bare client.
    double saveReplay = -1;
    double costs = -1;
    double reread = -1;
    // From the end of the save until the list read on a worker is in place.
    double listBack = -1;
    int costedProducts = 0;
};

UserTimings measureUserTimings(const platform::Settings& settings);

} // namespace parvela::bench
