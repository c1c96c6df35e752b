// See stats.h.
#include "bench/stats.h"

#include <algorithm>
#include <cstdio>

namespace bench {

Summary Summarize(std::vector<double> values) {
    Summary summary;
    summary.count = values.size();
    if (values.empty()) return summary;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    summary.median =
        values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
    summary.min = values.front();
    summary.max = values.back();
    return summary;
}

std::string Format(const Summary& summary, int decimals) {
    if (summary.count == 0) return "-";
    char text[96];
    std::snprintf(text, sizeof text, "%.*f [%.*f-%.*f]", decimals, summary.median, decimals,
                  summary.min, decimals, summary.max);
    return text;
}

double Ratio(const Summary& numerator, const Summary& denominator) {
    return denominator.count == 0 || numerator.count == 0 || denominator.median <= 0
               ? 0
               : numerator.median / denominator.median;
}

std::string Verdict(double ratio, double target) {
    char text[64];
    std::snprintf(text, sizeof text, "target <= %.2fx: %s", target,
                  ratio > 0 && ratio <= target ? "HOLDS" : "FAILS");
    return text;
}

}  // namespace bench
