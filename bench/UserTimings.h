#pragma once

namespace parvela::platform {
class Settings;
}

namespace parvela::bench {

// What a manager waits for on a loaded catalogue, in milliseconds (medians):
// one keystroke of the name search, typed letter by letter, and one save in
// the edit window (the save, the cost of the products using it, the start of
// the re-read), and how long the list read again on a worker takes to come.
struct UserTimings {
    double keystroke = -1;
    double slowestKeystroke = -1; // the first, which folds every name once

    double editSave = -1;
    // Its parts: the statements of the save, the costs, the re-read.
    double saveStatements = -1;
    double costs = -1;
    double reread = -1;
    // From the end of the save until the list read on a worker is in place.
    double listBack = -1;
    int costedProducts = 0;
};

UserTimings measureUserTimings(const platform::Settings& settings);

} // namespace parvela::bench
