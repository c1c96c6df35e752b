// The one table `make bench` prints: medians with min-max, the ratios and whether each target
// holds.
#pragma once

#include <cstdio>

#include "bench/results.h"

namespace bench {

inline constexpr double kStartupTarget = 1.10;
inline constexpr double kClickTarget = 1.20;

void PrintReport(const Results& results, std::FILE* out);

}  // namespace bench
