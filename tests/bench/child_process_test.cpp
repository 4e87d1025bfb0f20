// Child processes: the first line timed, the output kept, the exit status, and a hung child killed.
#include "bench/child_figures.hpp"
#include "bench/child_process.hpp"

#include <gtest/gtest.h>

namespace {

TEST(ChildProcess, KeepsOutputAndExitStatus) {
    const bench::ChildRun run = bench::runChild("/bin/sh", {"-c", "echo one; echo two; exit 3"}, 10'000);
    EXPECT_EQ(run.output, "one\ntwo\n");
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_GE(run.firstLineMs, 0);
    EXPECT_FALSE(run.timedOut);
}

TEST(ChildProcess, NoCompleteLineLeavesTheFirstLineUntimed) {
    const bench::ChildRun run = bench::runChild("/bin/sh", {"-c", "printf half"}, 10'000);
    EXPECT_EQ(run.output, "half");
    EXPECT_LT(run.firstLineMs, 0);
    EXPECT_EQ(run.exitCode, 0);
}

TEST(ChildProcess, AHungChildIsKilledAfterTheTimeAllowed) {
    const bench::ChildRun run = bench::runChild("/bin/sh", {"-c", "echo started; exec sleep 30"}, 300);
    EXPECT_TRUE(run.timedOut);
    EXPECT_EQ(run.exitCode, -1);
    EXPECT_EQ(run.output, "started\n");
}

TEST(ChildProcess, AProgramThatCannotStartEndsWith127) {
    const bench::ChildRun run = bench::runChild("/nonexistent/kvelnor-nothing", {}, 10'000);
    EXPECT_EQ(run.exitCode, 127);
}

TEST(ChildFigures, ReadsNameValueLinesAndSkipsTheRest) {
    const auto figures = bench::parseFigures("idle_ms 10000.5\nQt says hello\nlonely\npaint_events 0\nx 1 2\n");
    EXPECT_EQ(figures.size(), 2U);
    EXPECT_EQ(figures.at("idle_ms"), 10000.5);
    EXPECT_EQ(figures.at("paint_events"), 0);
}

}  // namespace
