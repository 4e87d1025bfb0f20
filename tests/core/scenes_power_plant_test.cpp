// The hotspots of the power plant and the storeroom lock puzzle.
#include "app/data_files.hpp"
#include "inventory/item_names.hpp"
#include "scenes_area_fixture.hpp"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using kvtest::AreaTest;
using V = std::vector<int>;
using S = std::vector<std::string>;
namespace held = app::held;

class PowerPlant : public AreaTest {};

TEST_F(PowerPlant, NailIsPickedUpAndTheHandEmptied) {
    at(8, 100, 200, {17, 18});
    form.showOverlay(17, true);
    carry({item::mapa, item::zbran});
    hold(held::Map);
    clickOn(17);
    EXPECT_EQ(inventory(), (S{item::hrebik, item::mapa, item::zbran}));
    EXPECT_EQ(form.state.itemCount, 3);
    EXPECT_EQ(form.state.nailTaken, 1);
    EXPECT_TRUE(heldFlags().empty());
    EXPECT_FALSE(form.cur(17).visible());
    EXPECT_EQ(enabledHotspots(), (V{18}));
}

TEST_F(PowerPlant, YardOpensItsDoorsByStage) {
    struct Case {
        int stage;
        V hotspots;
    };
    for (const Case& c : {Case{8, {2, 19}}, Case{10, {2, 19, 20}}, Case{17, {2, 19, 20}}, Case{18, {2, 19, 23}}}) {
        at(c.stage, 100, 200, {17, 18});
        form.showOverlay(17, true);
        clickOn(18);
        EXPECT_EQ(form.state.sceneId, 101);
        EXPECT_EQ(form.state.pictureId, 202);
        EXPECT_EQ(picture(), pic::elektr2);
        EXPECT_FALSE(form.cur(17).visible());
        EXPECT_EQ(enabledHotspots(), c.hotspots) << "storyStage " << c.stage;
    }
}

TEST_F(PowerPlant, MaintenanceManWantsTheCard) {
    at(8, 101, 202, {2, 19});
    clickOn(19);
    expectCutscene(200);

    at(9, 101, 202, {2, 19});
    hold(held::Money);
    clickOn(19);
    EXPECT_EQ(heldFlags(), V{held::Money});
    expectCutscene(200);

    at(9, 101, 202, {2, 19});
    hold(held::ServiceCard);
    form.inv(1).setVisible(true);
    clickOn(19);
    EXPECT_TRUE(heldFlags().empty());
    EXPECT_FALSE(form.inv(1).visible());
    expectCutscene(220);

    at(17, 101, 202, {2, 19, 20});
    form.state.storyTick = 259;
    clickOn(19);
    expectCutscene(259);

    for (int stage : {10, 18}) {
        at(stage, 101, 202, {2, 19});
        form.state.storyTick = 236;
        const auto before = snapshot();
        clickOn(19);
        EXPECT_EQ(snapshot(), before) << "storyStage " << stage;
    }
}

TEST_F(PowerPlant, LockShowsItsStateWhenTheAgentComesToTheDoor) {
    struct Case {
        int stage;
        const char* lock;
        bool clickable;
    };
    for (const Case& c : {Case{11, pic::el1, true}, Case{12, pic::el2, true}, Case{13, pic::el1, false},
                          Case{14, pic::el1, true}, Case{15, pic::el3, true}, Case{16, pic::el4, true}}) {
        at(c.stage, 101, 202, {2, 19, 20});
        form.cur(22).setVisible(false);
        clickOn(20);
        EXPECT_EQ(form.state.sceneId, 120);
        EXPECT_EQ(form.state.pictureId, 140);
        EXPECT_EQ(picture(), pic::elektr3);
        EXPECT_EQ(form.cur(22).picture(), c.lock) << "storyStage " << c.stage;
        EXPECT_TRUE(form.cur(22).visible());
        EXPECT_EQ(enabledHotspots(), (c.clickable ? V{2, 22} : V{2})) << "storyStage " << c.stage;
        EXPECT_FALSE(storyRunning());
    }
}

// Leaving the door after the second nail and coming back must not lock the hammer out.
TEST_F(PowerPlant, LockAwaitingTheHammerCanBeFinishedAfterSteppingAway) {
    at(15, 120, 140, {2, 22});
    form.showOverlay(22, true);
    hold(held::Nail);
    clickOn(22);
    clickOn(2);
    EXPECT_EQ(form.state.sceneId, 101);
    clickOn(20);
    EXPECT_EQ(form.cur(22).picture(), pic::el4);
    hold(held::Hammer);
    clickOn(22);
    EXPECT_EQ(form.state.storyStage, 17);
    EXPECT_TRUE(storyRunning());
}

TEST_F(PowerPlant, FirstLookAtTheLockResumesTheStory) {
    at(10, 101, 202, {2, 19, 20});
    form.state.storyTick = 236;
    clickOn(20);
    EXPECT_EQ(form.cur(22).picture(), pic::el1);
    EXPECT_EQ(enabledHotspots(), (V{2, 22}));
    expectCutscene(236);
}

TEST_F(PowerPlant, OpenedLockIsNoLongerShown) {
    at(17, 101, 202, {2, 19, 20});
    clickOn(20);
    EXPECT_FALSE(form.cur(22).visible());
    EXPECT_EQ(enabledHotspots(), (V{2}));
}

// From storyStage 18 the yard offers the storeroom door and the machine hall together.
TEST_F(PowerPlant, StoreroomDoorLeavesTheMachineHallDoorBehind) {
    at(18, 101, 202, {2, 20, 23});
    clickOn(20);
    EXPECT_EQ(enabledHotspots(), (V{2}));
    clickOn(2);
    EXPECT_EQ(form.state.sceneId, 101);
    EXPECT_EQ(enabledHotspots(), (V{2, 20, 23}));
}

class Lock : public AreaTest {
protected:
    void atLock(int stage) {
        at(stage, 120, 140, {2, 22});
        form.showOverlay(22, true);
        form.state.storyTick = 241;
    }
};

TEST_F(Lock, EveryStepTakesItsOwnItemAndMakesExactlyOneStep) {
    struct Case {
        int stage;
        int item;
        const char* lock;
        int next;
    };
    for (const Case& c : {Case{11, held::Nail, pic::el2, 12}, Case{14, held::Cartridges, pic::el3, 15},
                          Case{15, held::Nail, pic::el4, 16}}) {
        atLock(c.stage);
        hold(c.item);
        clickOn(22);
        EXPECT_EQ(form.state.storyStage, c.next);
        EXPECT_EQ(form.cur(22).picture(), c.lock);
        EXPECT_TRUE(form.cur(22).visible());
        EXPECT_TRUE(form.cur(22).enabled());
        EXPECT_TRUE(heldFlags().empty());
        EXPECT_FALSE(storyRunning());
        EXPECT_FALSE(form.Timer2.enabled()) << "storyStage " << c.stage;
    }
}

TEST_F(Lock, HammerStrikesAndTheStoryGoesOn) {
    for (const auto& [stage, strike, next] : {std::tuple{12, pic::story4, 13}, std::tuple{16, pic::story5, 17}}) {
        atLock(stage);
        hold(held::Hammer);
        clickOn(22);
        EXPECT_EQ(form.state.storyStage, next);
        EXPECT_EQ(picture(), strike);
        EXPECT_FALSE(form.cur(22).visible());
        EXPECT_TRUE(heldFlags().empty());
        EXPECT_FALSE(form.Timer2.enabled());
        expectCutscene(241);
    }
}

TEST_F(Lock, WrongItemOrEmptyHandOnlyRemarksAndKeepsTheHand) {
    struct Case {
        int stage;
        int item;  // 0: an empty hand
    };
    for (const Case& c : {Case{11, 0}, Case{11, held::Hammer}, Case{12, held::Nail}, Case{14, held::Nail},
                          Case{15, held::Cartridges}, Case{16, held::Nail}}) {
        atLock(c.stage);
        if (c.item != 0) hold(c.item);
        clickOn(22);
        EXPECT_EQ(form.state.storyStage, c.stage);
        expectRemark(6);
        EXPECT_EQ(heldFlags(), (c.item != 0 ? V{c.item} : V{})) << "storyStage " << c.stage;
        EXPECT_EQ(form.cur(22).picture(), "");
    }
}

TEST_F(Lock, ItemsStayInTheInventory) {
    atLock(11);
    carry({item::hrebik, item::kladivo, item::naboje});
    hold(held::Nail);
    clickOn(22);
    hold(held::Hammer);
    clickOn(22);
    EXPECT_EQ(inventory(), (S{item::hrebik, item::kladivo, item::naboje}));
    EXPECT_EQ(form.state.itemCount, 3);
}

TEST_F(Lock, StagesWithoutAStepDoNothing) {
    for (int stage : {10, 13, 17}) {
        atLock(stage);
        hold(held::Hammer);
        const auto before = snapshot();
        clickOn(22);
        EXPECT_EQ(snapshot(), before) << "storyStage " << stage;
    }
    atLock(18);
    form.cur(23).setEnabled(true);
    clickOn(22);
    EXPECT_FALSE(form.cur(22).visible());
    EXPECT_EQ(enabledHotspots(), (V{2}));
}

TEST_F(PowerPlant, MachineHallAndBackRoomShowTheirItemsUntilTaken) {
    for (int taken : {0, 1}) {
        at(18, 101, 202, {2, 19, 23});
        form.state.lineTaken = taken;
        form.state.wireTaken = taken;
        clickOn(23);
        EXPECT_EQ(form.state.sceneId, 102);
        EXPECT_EQ(form.state.pictureId, 204);
        EXPECT_EQ(picture(), pic::elektr4);
        EXPECT_EQ(form.cur(25).picture(), pic::elvlasec);
        EXPECT_EQ(form.cur(25).visible(), taken == 0);
        EXPECT_EQ(enabledHotspots(), (taken == 0 ? V{2, 19, 24, 25} : V{2, 19, 24}));

        clickOn(24);
        EXPECT_EQ(form.state.sceneId, 103);
        EXPECT_EQ(form.state.pictureId, 206);
        EXPECT_EQ(picture(), pic::elektr5);
        EXPECT_EQ(form.cur(26).picture(), pic::eldrat);
        EXPECT_FALSE(form.cur(25).visible());
        EXPECT_EQ(form.cur(26).visible(), taken == 0);
        EXPECT_EQ(enabledHotspots(), (taken == 0 ? V{2, 19, 26} : V{2, 19}));
    }
}

TEST_F(PowerPlant, LineAndWireArePickedUpWithAnEmptyHand) {
    at(18, 102, 204, {2, 24});
    carry({item::mapa});
    form.showOverlay(25, true);
    hold(held::Map);
    clickOn(25);
    EXPECT_EQ(form.state.lineTaken, 1);
    EXPECT_TRUE(heldFlags().empty());
    EXPECT_FALSE(form.cur(25).visible());

    at(18, 103, 206, {2});
    form.showOverlay(26, true);
    hold(held::Map);
    clickOn(26);
    EXPECT_EQ(form.state.wireTaken, 1);
    EXPECT_TRUE(heldFlags().empty());
    EXPECT_FALSE(form.cur(26).enabled());
    EXPECT_EQ(inventory(), (S{item::drat, item::mapa, item::vlasec}));
    EXPECT_EQ(form.state.itemCount, 3);
}

}  // namespace
