#pragma once

#include <chrono>
#include <vector>

namespace parvela::bench {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start);
// The middle value; -1 for none.
double median(std::vector<double> values);

// One line per benchmark: the program's figure, the baseline measured in the
// same run, their ratio and whether the goal was met. A goal is either on the
// ratio (`ratioGoal`) or on the figure itself (`figureGoal`, in its unit);
// with neither the line only informs.
struct Comparison {
    const char* what;
    const char* unit;
    double figure = -1;
    double baseline = -1;
    double ratioGoal = 0;
    double figureGoal = 0;
};

void printComparison(const Comparison& comparison);

// The process's peak resident memory so far (VmHWM), in kB; -1 unknown.
long peakKilobytes();

} // namespace parvela::bench
