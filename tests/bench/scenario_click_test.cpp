// Reading a scenario for replay.
#include "bench/scenario_file.hpp"
#include "script/session.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

namespace {

std::string writeScenario(const std::string& text) {
    const std::string path = testing::TempDir() + "bench_scenario.kvs";
    std::ofstream(path) << text;
    return path;
}

TEST(ScenarioFile, KeepsActionsInOrderAndSkipsComments) {
    const bench::Scenario scenario = bench::readScenario(writeScenario("# a comment\nnew\n\nclick imgCur1\n#> state.storyTick 0\nsettle\n"));
    ASSERT_TRUE(scenario.error.empty()) << scenario.error;
    ASSERT_EQ(scenario.actions.size(), 3U);
    EXPECT_EQ(scenario.actions[1].kind, script::ActionKind::ClickName);
    EXPECT_TRUE(bench::isPlayerClick(scenario.actions[1]));
    EXPECT_FALSE(bench::isPlayerClick(scenario.actions[2]));
}

TEST(ScenarioFile, AMalformedLineIsNamedAndNothingIsKept) {
    const bench::Scenario scenario = bench::readScenario(writeScenario("new\njump 3\n"));
    EXPECT_NE(scenario.error.find(":2:"), std::string::npos) << scenario.error;
    EXPECT_TRUE(scenario.actions.empty());
}

TEST(ScenarioFile, AMissingFileIsAnError) {
    EXPECT_FALSE(bench::readScenario("/nonexistent/walk.kvs").error.empty());
}

}  // namespace
