// The Office flows over large in-memory documents: for each application,
// the object-model calls made against the fewest its flow's algorithm
// needs, and the flow's time against writing the same entries straight
// into the PlugIn lists.
#include <benchmark/benchmark.h>

#include <vector>

#include "bench/office_bench.h"

namespace tessaly {
namespace {

std::vector<OfficeFigure>& Figures() {
  static std::vector<OfficeFigure> figures;
  return figures;
}

}  // namespace

bool AddOfficeFigure(OfficeFigure figure) {
  Figures().push_back(std::move(figure));
  return true;
}

}  // namespace tessaly

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  tessaly::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  for (const tessaly::OfficeFigure& figure : tessaly::Figures()) figure(reporter);
  benchmark::Shutdown();
  return 0;
}
