// The benchmark's command line: counts, parts, and what is refused.
#include "bench/bench_options.hpp"

#include <gtest/gtest.h>

namespace {

bench::Options parse(const std::vector<std::string>& arguments) { return bench::parseOptions(arguments, {}); }

TEST(BenchOptions, DefaultsMeasureEverything) {
    const bench::Options options = parse({});
    EXPECT_TRUE(options.error.empty());
    EXPECT_EQ(options.parts, bench::kAllParts);
    EXPECT_EQ(options.idleSeconds, 10);
}

TEST(BenchOptions, ValuesReplaceTheDefaults) {
    const bench::Options options =
        parse({"--runs", "3", "--startup-runs", "7", "--idle-seconds", "2", "--only", "core,idle", "--list-clicks"});
    EXPECT_TRUE(options.error.empty()) << options.error;
    EXPECT_EQ(options.clickRuns, 3);
    EXPECT_EQ(options.startupRuns, 7);
    EXPECT_EQ(options.idleSeconds, 2);
    EXPECT_EQ(options.parts, (std::set<std::string>{"core", "idle"}));
    EXPECT_TRUE(options.listClicks);
}

TEST(BenchOptions, RefusesZeroNegativeAndTrailingText) {
    EXPECT_FALSE(parse({"--runs", "0"}).error.empty());
    EXPECT_FALSE(parse({"--runs", "-2"}).error.empty());
    EXPECT_FALSE(parse({"--runs", "5x"}).error.empty());
}

TEST(BenchOptions, RefusesUnknownPartsAndAnEmptyList) {
    EXPECT_FALSE(parse({"--only", "core,speed"}).error.empty());
    EXPECT_FALSE(parse({"--only", ""}).error.empty());
}

TEST(BenchOptions, RefusesAMissingValueAndUnknownArguments) {
    EXPECT_NE(parse({"--data"}).error.find("needs a value"), std::string::npos);
    EXPECT_FALSE(parse({"--fast", "1"}).error.empty());
    EXPECT_FALSE(parse({"stray"}).error.empty());
}

}  // namespace
