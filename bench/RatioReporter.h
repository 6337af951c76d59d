#pragma once

#include <benchmark/benchmark.h>
#include <map>
#include <ostream>
#include <string>

namespace parvela::bench {

// The console report, plus the median real time of each benchmark so that
// the two can be set side by side at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter()
        : benchmark::ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override;

    bool failed() const { return m_failed; }
    // false when one of the two has no time.
    bool printRatio(std::ostream& out, const std::string& program,
                    const std::string& baseline) const;

private:
    std::map<std::string, double> m_milliseconds;
    bool m_failed = false;
};

} // namespace parvela::bench
