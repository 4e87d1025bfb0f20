// Reading a scenario for replay, and where a named component is clicked when others cover it.
#include "bench/click_point.hpp"
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

TEST(ClickPoint, UnknownNameHasNoPoint) {
    script::Session session;
    EXPECT_FALSE(bench::clickPointOf(session.form->stack, "imgCur99"));
}

TEST(ClickPoint, ACoveredCentreMovesToTheFirstPointTheComponentOwns) {
    // imgCur37 lies over imgCur5's centre; with both enabled imgCur5 is clicked where it shows.
    script::Session session;
    app::TfrmHlavni& form = *session.form;
    form.imgClona->setEnabled(false);
    form.imgCur[5]->setEnabled(true);
    form.imgCur[37]->setEnabled(true);
    const std::optional<bench::Point> point = bench::clickPointOf(form.stack, "imgCur5");
    ASSERT_TRUE(point);
    EXPECT_EQ(form.stack.hitTest(point->x, point->y), form.imgCur[5]);
    const ui::Rect r = form.imgCur[5]->rect();
    EXPECT_EQ(point->y, r.top);  // row by row from the top-left: its first free row
}

TEST(ClickPoint, ACompletelyCoveredComponentIsClickedAtItsCentre) {
    script::Session session;  // at start-up the shield covers every hotspot
    const ui::Rect r = session.form->imgCur[1]->rect();
    const std::optional<bench::Point> point = bench::clickPointOf(session.form->stack, "imgCur1");
    ASSERT_TRUE(point);
    EXPECT_EQ(point->x, r.left + r.width / 2);
    EXPECT_EQ(point->y, r.top + r.height / 2);
}

}  // namespace
