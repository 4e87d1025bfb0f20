#include "bench/statistics.hpp"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace bench {

double percentile(std::vector<double> samples, double share) {
    if (samples.empty()) return 0;
    std::sort(samples.begin(), samples.end());
    const double rank = std::ceil(std::clamp(share, 0.0, 1.0) * static_cast<double>(samples.size()));
    const std::size_t index = rank < 1 ? 0 : static_cast<std::size_t>(rank) - 1;
    return samples[std::min(index, samples.size() - 1)];
}

double median(std::vector<double> samples) {
    if (samples.empty()) return 0;
    std::sort(samples.begin(), samples.end());
    const std::size_t middle = samples.size() / 2;
    if (samples.size() % 2 == 1) return samples[middle];
    return (samples[middle - 1] + samples[middle]) / 2;
}

Spread spreadOf(const std::vector<double>& samples) {
    return {.p50 = percentile(samples, 0.50),
            .p99 = percentile(samples, 0.99),
            .max = samples.empty() ? 0 : *std::max_element(samples.begin(), samples.end())};
}

Spread medianSpread(const std::vector<Spread>& runs) {
    std::vector<double> p50;
    std::vector<double> p99;
    std::vector<double> max;
    for (const Spread& run : runs) {
        p50.push_back(run.p50);
        p99.push_back(run.p99);
        max.push_back(run.max);
    }
    return {.p50 = median(p50), .p99 = median(p99), .max = median(max)};
}

}  // namespace bench
