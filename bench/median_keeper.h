// A console reporter for Google Benchmark that also keeps the median of every
// benchmark, so a program can print its verdicts from them after the run.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

class MedianKeeper : public benchmark::ConsoleReporter {
public:
    MedianKeeper() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medians_.insert_or_assign(run.run_name.function_name, run);
        }
        ConsoleReporter::ReportRuns(runs);
    }

    const Run* median(const std::string& name) const
    {
        const auto found = medians_.find(name);
        return found == medians_.end() ? nullptr : &found->second;
    }

private:
    std::map<std::string, Run> medians_;
};
