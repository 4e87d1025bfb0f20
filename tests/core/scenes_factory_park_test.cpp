// The hotspots of the factory and the park, where the walkthrough scenario does not already
// reach them.
#include "app/data_files.hpp"
#include "scenes_area_fixture.hpp"

#include <gtest/gtest.h>

#include <utility>

namespace {

using kvtest::AreaTest;
using V = std::vector<int>;

class Factory : public AreaTest {};

TEST_F(Factory, DirectorIsEnabledOnEntryOnlyAt19And26) {
    for (int stage : {18, 19, 20, 26, 27}) {
        at(stage, 300, 600, {27});
        clickOn(27);
        EXPECT_EQ(enabledHotspots(), ((stage == 19 || stage == 26) ? V{2, 28} : V{2})) << "storyStage " << stage;
    }
    // At other stages he keeps the state he had, and a click on him does nothing.
    at(20, 300, 600, {27, 28});
    clickOn(27);
    EXPECT_TRUE(form.cur(28).enabled());
    const auto before = snapshot();
    clickOn(28);
    EXPECT_EQ(snapshot(), before);
}

TEST_F(Factory, TheDirectorCannotBeTalkedToFromTheSideYard) {
    for (int stage : {19, 26}) {
        at(stage, 300, 600, {27, 29});
        clickOn(27);  // into the office, where he receives the agent; the side yard's edge stays live
        ASSERT_TRUE(form.cur(28).enabled());
        clickOn(29);  // out to the side yard
        EXPECT_EQ(form.state.sceneId, 310);
        EXPECT_FALSE(form.cur(28).enabled()) << "storyStage " << stage;
        // A click on empty yard where he stood in the office starts no conversation.
        const ui::Rect where = form.cur(28).rect();
        clickAt(where.left + where.width / 2, where.top + 4);
        EXPECT_FALSE(form.Timer.enabled()) << "storyStage " << stage;
        // Back to the front and in through the entrance, he receives the agent as before.
        clickOn(2);
        clickOn(27);
        EXPECT_TRUE(form.cur(28).enabled()) << "storyStage " << stage;
    }
}

TEST_F(Factory, TakenRodAndNutStayHiddenOnReturn) {
    at(20, 300, 600, {27, 29});
    form.state.rodTaken = 1;
    form.state.nutTaken = 1;
    clickOn(29);
    EXPECT_FALSE(form.cur(30).visible());
    EXPECT_EQ(enabledHotspots(), (V{2, 31}));
    clickOn(31);
    EXPECT_FALSE(form.cur(32).visible());
    EXPECT_EQ(enabledHotspots(), (V{2}));
}

TEST_F(Factory, StoreShowsTheWorkersOnlyFromStage27AndTalksOnlyAt27) {
    for (const auto& [stage, store] : {std::pair{26, pic::tovarna4a}, std::pair{28, pic::tovarna4b}}) {
        at(stage, 310, 620, {2, 31});
        clickOn(31);
        EXPECT_EQ(picture(), store);
        EXPECT_FALSE(storyRunning()) << "storyStage " << stage;
    }
}

}  // namespace
