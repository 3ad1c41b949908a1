#pragma once

#include <benchmark/benchmark.h>

#include <iostream>
#include <map>
#include <string>
#include <vector>

// Google Benchmark's console report, sent to standard error for the log,
// while the runs are kept so that the program can put its figures into the
// benchmark table afterwards.
class CollectingReporter final : public benchmark::ConsoleReporter {
  public:
    CollectingReporter() { SetOutputStream(&std::cerr); }

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred) {
                continue;
            }
            // By the name it was registered with, without the arguments
            // Google Benchmark appends; of repeated runs, the median.
            if (run.run_type == Run::RT_Iteration && run.repetitions <= 1) {
                runs_[run.run_name.function_name] = run;
            } else if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
                runs_[run.run_name.function_name] = run;
            }
        }
    }

    // The run of a benchmark by its name; throws when it did not run.
    const Run& Get(const std::string& name) const { return runs_.at(name); }
    bool Has(const std::string& name) const { return runs_.count(name) != 0; }

    // Wall time and CPU time of one iteration in microseconds: the mean of
    // one run, or the median of the means of repeated runs.
    double WallMicroseconds(const std::string& name) const {
        const Run& run = Get(name);
        return run.GetAdjustedRealTime() * TimeUnitMultiplierToMicroseconds(run.time_unit);
    }
    double CpuMicroseconds(const std::string& name) const {
        const Run& run = Get(name);
        return run.GetAdjustedCPUTime() * TimeUnitMultiplierToMicroseconds(run.time_unit);
    }

    double Counter(const std::string& name, const std::string& counter) const {
        return Get(name).counters.at(counter).value;
    }

  private:
    static double TimeUnitMultiplierToMicroseconds(benchmark::TimeUnit unit) {
        switch (unit) {
        case benchmark::kNanosecond:
            return 1e-3;
        case benchmark::kMicrosecond:
            return 1;
        case benchmark::kMillisecond:
            return 1e3;
        case benchmark::kSecond:
            return 1e6;
        }
        return 1;
    }

    std::map<std::string, Run> runs_;
};
