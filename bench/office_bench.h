#pragma once

#include <functional>
#include <vector>

#include "bench/ratio_reporter.h"

namespace tessaly {

// The Office flow benchmarks share one program; each adds the figures it
// prints once every benchmark has run.
using OfficeFigure = std::function<void(RatioReporter& reporter)>;

// For `static const bool added = AddOfficeFigure(...)` in each file.
bool AddOfficeFigure(OfficeFigure figure);

}  // namespace tessaly
