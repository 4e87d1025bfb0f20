// Percentiles by nearest rank, medians of even and odd counts, and the spread over runs.
#include "bench/statistics.hpp"

#include <gtest/gtest.h>

namespace {

TEST(Statistics, NothingMeasuredGivesZero) {
    EXPECT_EQ(bench::percentile({}, 0.99), 0);
    EXPECT_EQ(bench::median({}), 0);
    const bench::Spread spread = bench::spreadOf({});
    EXPECT_EQ(spread.max, 0);
}

TEST(Statistics, NinetyNinthPercentileOfAHundredIsTheSecondLargest) {
    std::vector<double> samples;
    for (int i = 100; i >= 1; --i) samples.push_back(i);  // unsorted on purpose
    EXPECT_EQ(bench::percentile(samples, 0.99), 99);
    EXPECT_EQ(bench::percentile(samples, 0.50), 50);
    EXPECT_EQ(bench::percentile(samples, 1.0), 100);
    EXPECT_EQ(bench::percentile(samples, 0.0), 1);
}

TEST(Statistics, OneSlowSampleInFewDecidesTheNinetyNinth) {
    // 150 clicks: rank 149 of 150, so one slow click does not, two do.
    std::vector<double> samples(150, 2.0);
    samples[17] = 40.0;
    EXPECT_EQ(bench::percentile(samples, 0.99), 2.0);
    samples[90] = 30.0;
    EXPECT_EQ(bench::percentile(samples, 0.99), 30.0);
}

TEST(Statistics, MedianOfEvenCountIsTheMeanOfTheMiddleTwo) {
    EXPECT_EQ(bench::median({4, 1, 3, 2}), 2.5);
    EXPECT_EQ(bench::median({5, 1, 9}), 5);
}

TEST(Statistics, MedianSpreadTakesEachFigureOnItsOwn) {
    const std::vector<bench::Spread> runs{{.p50 = 1, .p99 = 9, .max = 30}, {.p50 = 3, .p99 = 5, .max = 10}, {.p50 = 2, .p99 = 7, .max = 20}};
    const bench::Spread spread = bench::medianSpread(runs);
    EXPECT_EQ(spread.p50, 2);
    EXPECT_EQ(spread.p99, 7);
    EXPECT_EQ(spread.max, 20);
}

}  // namespace
