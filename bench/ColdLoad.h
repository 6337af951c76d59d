#pragma once

#include "db/StatementJournal.h"

#include <string>
#include <vector>

namespace parvela::platform {
class Settings;
}

namespace parvela::bench {

// One start-up load in a process of its own, so that it pays for fresh
// memory as the program's first load does: the milliseconds it took
// (connecting excluded), or a negative number after printing why it failed,
// and the process's peak memory after it.
struct LoadRun {
    double ms = -1;
    long peakKb = -1;
};
// `emptyCatalogue`: the server holds no products, and that is no failure.
LoadRun programLoadOnce(const platform::Settings& settings, bool emptyCatalogue = false);
LoadRun baselineLoadOnce(const platform::Settings& settings,
                         const std::vector<db::IssuedStatement>& selects);

// The SELECTs of one load, kept in a file between the processes.
void writeSelects(const std::string& path, const std::vector<db::IssuedStatement>& selects);
std::vector<db::IssuedStatement> readSelects(const std::string& path);

} // namespace parvela::bench
