#include "RatioReporter.h"

#include <iomanip>

namespace parvela::bench {

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
    benchmark::ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.error_occurred) {
            m_failed = true;
            continue;
        }
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
        if (median || single)
            m_milliseconds[run.run_name.function_name] = run.GetAdjustedRealTime();
    }
}

bool RatioReporter::printRatio(std::ostream& out, const std::string& program,
                               const std::string& baseline) const {
    const auto ours = m_milliseconds.find(program);
    const auto theirs = m_milliseconds.find(baseline);
    if (ours == m_milliseconds.end() || theirs == m_milliseconds.end() || theirs->second <= 0)
        return false;
    out << std::fixed << std::setprecision(1)
        << "\nstart-up load (program):        " << ours->second
        << " ms\nsame SELECTs, plain client:     " << theirs->second
        << " ms\nratio program/baseline:         " << std::setprecision(2)
        << ours->second / theirs->second << "\n";
    return true;
}

} // namespace parvela::bench
