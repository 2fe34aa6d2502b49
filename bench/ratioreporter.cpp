#include "ratioreporter.h"

#include <cstdio>
#include <map>

namespace {

// The console reporter, remembering the real time of every run by name.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            if (run.run_type == Run::RT_Iteration && run.iterations > 0)
                m_times[run.benchmark_name()] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // Real and CPU time of a run; zeros when it did not run.
    std::pair<double, double> times(const std::string &name) const
    {
        const auto it = m_times.find(name);
        return it == m_times.end() ? std::pair(0.0, 0.0) : it->second;
    }

private:
    std::map<std::string, std::pair<double, double>> m_times;
};

} // namespace

int RunWithRatios(const std::vector<std::pair<std::string, std::string>> &pairs)
{
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n");
    // Both ratios are printed: real time is what the user waits, CPU time stays meaningful on a
    // machine whose other work makes the real times noisy.
    for (const auto &[work, limit] : pairs) {
        const auto [workReal, workCpu] = reporter.times(work);
        const auto [limitReal, limitCpu] = reporter.times(limit);
        if (workReal > 0 && limitReal > 0 && limitCpu > 0) {
            std::printf("ratio %-22s / %-22s = %6.2f real, %6.2f CPU\n", work.c_str(), limit.c_str(),
                        workReal / limitReal, workCpu / limitCpu);
        }
    }
    benchmark::Shutdown();
    return 0;
}
