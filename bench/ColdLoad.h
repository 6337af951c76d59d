#pragma once

#include "db/StatementJournal.h"

#include <string>
#include <vector>

namespace parvela::platform {
class Settings;
}

namespace parvela::bench {

// One start-up load in a process of its own, so that it pays for fresh
// memory as the program's first load does. Each returns the milliseconds
// the load took (connecting excluded), or a negative number after printing
// why it failed.
double programLoadOnce(const platform::Settings& settings);
double baselineLoadOnce(const platform::Settings& settings,
                        const std::vector<db::IssuedStatement>& selects);

// The SELECTs of one load, kept in a file between the processes.
void writeSelects(const std::string& path, const std::vector<db::IssuedStatement>& selects);
std::vector<db::IssuedStatement> readSelects(const std::string& path);

} // namespace parvela::bench
