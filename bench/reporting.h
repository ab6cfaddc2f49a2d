// What the benchmark programs share: a console reporter that keeps the median
// of every benchmark, and the one-line verdicts that make bench/run-all's summary.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace bench {

class MedianKeeper : public benchmark::ConsoleReporter {
public:
    MedianKeeper() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medians_.insert_or_assign(run.run_name.function_name, run);
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "fastest")
                fastest_.insert_or_assign(run.run_name.function_name, run);
        }
        ConsoleReporter::ReportRuns(runs);
    }

    const Run* median(const std::string& name) const
    {
        const auto found = medians_.find(name);
        return found == medians_.end() ? nullptr : &found->second;
    }

    // The "fastest" statistic, for benchmarks that ask for it (withFastest):
    // of repetitions on a shared machine, the one least disturbed.
    const Run* fastest(const std::string& name) const
    {
        const auto found = fastest_.find(name);
        return found == fastest_.end() ? nullptr : &found->second;
    }

private:
    std::map<std::string, Run> medians_;
    std::map<std::string, Run> fastest_;
};

// Runs the benchmarks the command line asks for; false when it has arguments
// that are not Google Benchmark's.
inline bool runBenchmarks(int& argc, char* argv[], MedianKeeper& reporter)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return false;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return true;
}

inline void printVerdict(bool met, const char* what, const std::string& figure, const char* target)
{
    std::printf("  [%s] %s: %s (target %s)\n", met ? "met" : "not met", what, figure.c_str(), target);
}

inline std::string format(const char* pattern, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

} // namespace bench
