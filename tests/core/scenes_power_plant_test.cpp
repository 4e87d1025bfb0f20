// The hotspots of the power plant and the storeroom lock puzzle, where the walkthrough scenario
// does not already reach them.
#include "app/data_files.hpp"
#include "inventory/item_names.hpp"
#include "scenes_area_fixture.hpp"

#include <gtest/gtest.h>

namespace {

using kvtest::AreaTest;
using V = std::vector<int>;
namespace held = app::held;

class PowerPlant : public AreaTest {};

TEST_F(PowerPlant, MaintenanceManAtStage9DecidesByTheCardAndIgnoresOtherStages) {
    at(9, 101, 202, {2, 19});
    hold(held::Money);
    clickOn(19);
    EXPECT_EQ(heldFlags(), V{held::Money});
    expectCutscene(200);

    at(9, 101, 202, {2, 19});
    hold(held::ServiceCard);
    clickOn(19);
    EXPECT_TRUE(heldFlags().empty());
    expectCutscene(220);

    for (int stage : {10, 18}) {
        at(stage, 101, 202, {2, 19});
        const auto before = snapshot();
        clickOn(19);
        EXPECT_EQ(snapshot(), before) << "storyStage " << stage;
    }
}

TEST_F(PowerPlant, LockShowsItsStateWhenTheAgentComesToTheDoor) {
    struct Case {
        int stage;
        const char* lock;  // nullptr: hidden
        bool clickable;
    };
    for (const Case& c : {Case{12, pic::el2, true}, Case{13, pic::el1, false}, Case{14, pic::el1, true},
                          Case{15, pic::el3, true}, Case{16, pic::el4, true}, Case{17, nullptr, false}}) {
        at(c.stage, 101, 202, {2, 19, 20});
        form.cur(22).setVisible(false);
        clickOn(20);
        EXPECT_EQ(form.state.sceneId, 120);
        EXPECT_EQ(form.state.pictureId, 140);
        EXPECT_EQ(form.cur(22).visible(), c.lock != nullptr) << "storyStage " << c.stage;
        if (c.lock != nullptr) {
            EXPECT_EQ(form.cur(22).picture(), c.lock);
        }
        EXPECT_EQ(enabledHotspots(), (c.clickable ? V{2, 22} : V{2})) << "storyStage " << c.stage;
    }
}

// Stepping away after the second nail and coming back must not lock the hammer out.
TEST_F(PowerPlant, LockAwaitingTheHammerCanBeFinishedAfterSteppingAway) {
    at(15, 120, 140, {2, 22});
    form.showOverlay(22, true);
    hold(held::Nail);
    clickOn(22);
    clickOn(2);
    EXPECT_EQ(form.state.sceneId, 101);
    clickOn(20);
    hold(held::Hammer);
    clickOn(22);
    EXPECT_EQ(form.state.storyStage, 17);
    EXPECT_TRUE(storyRunning());
}

// From storyStage 18 the yard offers the storeroom door and the machine hall together.
TEST_F(PowerPlant, StoreroomDoorLeavesTheMachineHallDoorInTheYard) {
    at(18, 101, 202, {2, 20, 23});
    clickOn(20);
    EXPECT_EQ(enabledHotspots(), (V{2}));
}

class Lock : public AreaTest {
protected:
    void atLock(int stage) {
        at(stage, 120, 140, {2, 22});
        form.showOverlay(22, true);
    }
};

TEST_F(Lock, OneClickMakesExactlyOneStep) {
    atLock(15);
    hold(held::Nail);
    clickOn(22);
    EXPECT_EQ(form.state.storyStage, 16);
    EXPECT_EQ(form.cur(22).picture(), pic::el4);
    EXPECT_TRUE(heldFlags().empty());
    EXPECT_FALSE(form.Timer2.enabled());  // the stage-16 row comes first and never sees the new stage
    EXPECT_FALSE(storyRunning());
}

TEST_F(Lock, WrongItemOrEmptyHandOnlyRemarksAndKeepsTheHand) {
    struct Case {
        int stage;
        int item;  // 0: an empty hand
    };
    for (const Case& c : {Case{11, 0}, Case{12, held::Nail}, Case{14, held::Nail}, Case{15, held::Cartridges},
                          Case{16, held::Nail}}) {
        atLock(c.stage);
        if (c.item != 0) hold(c.item);
        clickOn(22);
        EXPECT_EQ(form.state.storyStage, c.stage);
        expectRemark(6);
        EXPECT_EQ(heldFlags(), (c.item != 0 ? V{c.item} : V{})) << "storyStage " << c.stage;
    }
}

TEST_F(Lock, StagesWithoutAStepDoNothing) {
    for (int stage : {10, 13, 17}) {
        atLock(stage);
        hold(held::Hammer);
        const auto before = snapshot();
        clickOn(22);
        EXPECT_EQ(snapshot(), before) << "storyStage " << stage;
    }
}

TEST_F(PowerPlant, TakenLineAndWireStayHiddenOnReturn) {
    at(18, 101, 202, {2, 23});
    form.state.lineTaken = 1;
    form.state.wireTaken = 1;
    clickOn(23);
    EXPECT_FALSE(form.cur(25).visible());
    EXPECT_EQ(enabledHotspots(), (V{2, 24}));
    clickOn(24);
    EXPECT_FALSE(form.cur(26).visible());
    EXPECT_EQ(enabledHotspots(), (V{2}));
}

}  // namespace
