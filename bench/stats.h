// Medians and ranges: start-up and click times have a long tail (a run that met the page cache
// cold or a busy core), so the median is the figure to compare and min-max shows the spread.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace bench {

struct Summary {
    double median = 0;
    double min = 0;
    double max = 0;
    std::size_t count = 0;
};

Summary Summarize(std::vector<double> values);

// "123.4 [110.2-140.1]", or "-" with no values.
std::string Format(const Summary& summary, int decimals = 1);

// The ratio of the medians; 0 when either has no values.
double Ratio(const Summary& numerator, const Summary& denominator);
// "target <= 1.20x: HOLDS", or FAILS (also for a ratio of 0, which has no values behind it).
std::string Verdict(double ratio, double target);

}  // namespace bench
