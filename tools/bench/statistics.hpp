// Medians and percentiles of measured times, and the summary the benchmark prints for a series.
#pragma once

#include <vector>

namespace bench {

// The value at or below which the given share of the samples lies (nearest rank; share in 0..1).
// 0 for no samples.
double percentile(std::vector<double> samples, double share);
double median(std::vector<double> samples);

struct Spread {
    double p50 = 0;
    double p99 = 0;
    double max = 0;
};

Spread spreadOf(const std::vector<double>& samples);
// The median of each figure over several runs.
Spread medianSpread(const std::vector<Spread>& runs);

}  // namespace bench
