#include "Report.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>

namespace parvela::bench {

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

void printComparison(const Comparison& c) {
    const double ratio = c.baseline > 0 ? c.figure / c.baseline : -1;
    const bool onRatio = c.ratioGoal > 0;
    const bool met =
        onRatio ? ratio >= 0 && ratio <= c.ratioGoal : c.figure >= 0 && c.figure <= c.figureGoal;
    char goal[48] = "none";
    if (onRatio)
        std::snprintf(goal, sizeof goal, "<= %.1fx", c.ratioGoal);
    else if (c.figureGoal > 0)
        std::snprintf(goal, sizeof goal, "<= %g %s", c.figureGoal, c.unit);
    std::printf("%-34s program %10.3f %-6s baseline %10.3f %-6s ratio %6.2f  goal %-9s %s\n",
                c.what, c.figure, c.unit, c.baseline, c.unit, ratio, goal,
                onRatio || c.figureGoal > 0 ? (met ? "met" : "MISSED") : "");
    std::fflush(stdout);
}

long peakKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

} // namespace parvela::bench
