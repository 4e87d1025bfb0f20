// The explorer: it must find a state from which the end can no longer be reached, and give
// a path to it that leads there again.
#include "app/main_form.hpp"
#include "explore/explorer.hpp"
#include "inventory/item_names.hpp"

#include <gtest/gtest.h>

namespace {

TEST(Explorer, FindsTheDeadEndOfAGameWithoutTheServiceCard) {
    explore::Options options;
    options.maxStates = 50000;
    options.prepare = [](app::TfrmHlavni& f) { f.removeInventoryItem(item::sluzebniPrukaz, 15); };
    const explore::Report report = explore::explore(options);
    // Nothing reaches the mayor's second talk, and the bounded search gives up on no state:
    // the whole first stage is small enough to be explored.
    EXPECT_EQ(report.goals, 0u);
    EXPECT_EQ(report.unexpanded, 0u);
    ASSERT_FALSE(report.deadEnds.empty());
    EXPECT_EQ(report.deadEnds.size(), report.states);
    const explore::DeadEnd& first = report.deadEnds.front();
    EXPECT_EQ(first.path.front(), "new\nsettle");
    EXPECT_NE(first.description.find("storyStage 0"), std::string::npos) << first.description;
    // The longest path, played again, describes where it ends.
    const explore::DeadEnd& last = report.deadEnds.back();
    EXPECT_GT(last.path.size(), 3u);
    EXPECT_NE(last.description.find("sceneId"), std::string::npos);
}

}  // namespace
