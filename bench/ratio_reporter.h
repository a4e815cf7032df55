#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace tessaly {

// Keeps the time per iteration of every run, for ratios of one benchmark
// against another of the same run.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    // The fastest repetition: the one least disturbed by the rest of the
    // machine.
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Iteration) continue;
      std::string name = run.run_name.function_name;
      double t = run.GetAdjustedRealTime();
      if (!times_.count(name) || t < times_[name]) times_[name] = t;
    }
  }
  double Ratio(const std::string& a, const std::string& b) { return times_[a] / times_[b]; }

 private:
  std::map<std::string, double> times_;
};

}  // namespace tessaly
