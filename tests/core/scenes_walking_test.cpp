// Walking along the street and stepping back: sceneId and pictureId arithmetic, the rows that
// move the agent on, and the hotspots each step opens and closes.
#include "app/data_files.hpp"
#include "form_fixture.hpp"

#include <tuple>

namespace {

using Hotspots = std::vector<int>;

class WalkingTest : public kvtest::FormTest {
protected:
    WalkingTest() { takeControl(5); }
    void walkRight() { ASSERT_TRUE(clickHotspot(6)); }
    void walkLeft() { ASSERT_TRUE(clickHotspot(7)); }
    void stepBack() { ASSERT_TRUE(clickHotspot(2)); }
};

TEST_F(WalkingTest, SquareToInnAndBackOpensTheLeftEdgeOnlyFromStage6) {
    enterScene(1, 1, {1, 6});
    walkRight();
    EXPECT_EQ(form.state.sceneId, 11);
    EXPECT_EQ(form.state.pictureId, 20);
    EXPECT_EQ(picture(), pic::hospoda1);
    EXPECT_EQ(enabledHotspots(), (Hotspots{6, 7, 8}));
    walkLeft();
    EXPECT_EQ(form.state.sceneId, 1);
    EXPECT_EQ(form.state.pictureId, 1);
    EXPECT_EQ(picture(), pic::namesti1);
    EXPECT_EQ(enabledHotspots(), (Hotspots{1, 6}));

    form.state.storyStage = 6;
    walkRight();
    walkLeft();
    EXPECT_EQ(enabledHotspots(), (Hotspots{1, 6, 7}));
    walkLeft();
    EXPECT_EQ(form.state.sceneId, -9);
    EXPECT_EQ(form.state.pictureId, -18);
    EXPECT_EQ(enabledHotspots(), (Hotspots{6, 14}));
    form.state.storyStage = 28;  // the well is open only at this stage
    walkRight();
    EXPECT_EQ(enabledHotspots(), (Hotspots{1, 6, 7, 34}));
}

TEST_F(WalkingTest, HammerLiesInFrontOfTheTobacconistUntilTaken) {
    enterScene(11, 20, {6, 7, 8});
    walkRight();
    EXPECT_EQ(form.state.sceneId, 21);
    EXPECT_TRUE(form.cur(21).visible() && form.cur(21).enabled());
    EXPECT_EQ(form.cur(21).picture(), pic::trkladivo);
    EXPECT_EQ(enabledHotspots(), (Hotspots{7, 9, 21}));
    walkLeft();
    EXPECT_FALSE(form.cur(21).visible() || form.cur(21).enabled());

    form.state.hammerTaken = 1;
    walkRight();
    EXPECT_FALSE(form.cur(21).visible());
    EXPECT_EQ(enabledHotspots(), (Hotspots{7, 9}));
}

TEST_F(WalkingTest, StepBackFromTheStoreroomLockLandsInTheYard) {
    form.state.storyStage = 11;
    enterScene(120, 140, {2, 22});
    form.cur(22).setVisible(true);
    stepBack();
    EXPECT_EQ(form.state.sceneId, 101);
    EXPECT_EQ(form.state.pictureId, 202);
    EXPECT_EQ(picture(), pic::elektr2);
    EXPECT_FALSE(form.cur(22).visible() || form.cur(22).enabled());
    EXPECT_EQ(enabledHotspots(), (Hotspots{2, 20}));
}

TEST_F(WalkingTest, StepBackToTheGateClosesEveryDoorOfTheYard) {
    form.state.storyStage = 18;
    form.state.nailTaken = 1;
    enterScene(101, 202, {2, 19, 23});
    stepBack();
    EXPECT_EQ(form.state.sceneId, 100);
    EXPECT_EQ(form.state.pictureId, 200);
    EXPECT_EQ(picture(), pic::elektr1);
    EXPECT_EQ(enabledHotspots(), (Hotspots{18}));  // not the machine hall's door (23)
    EXPECT_FALSE(form.cur(17).visible());
}

TEST_F(WalkingTest, TheMaintenanceManIsKeptAtStage12AndBackAt17) {
    for (auto [stage, before, after] : {std::tuple{12, true, true}, {12, false, false}, {17, false, true},
                                        {18, true, false}}) {
        form.state.storyStage = stage;
        enterScene(102, 204, {2});
        form.cur(19).setEnabled(before);
        stepBack();
        EXPECT_EQ(form.cur(19).enabled(), after) << stage;
        EXPECT_EQ(form.cur(23).enabled(), stage >= 18) << stage;
    }
}

TEST_F(WalkingTest, StepBackFromTheFactorySideYardLandsAtTheFront) {
    form.state.storyStage = 20;
    enterScene(310, 620, {2, 30, 31});
    stepBack();
    EXPECT_EQ(form.state.sceneId, 300);
    EXPECT_EQ(form.state.pictureId, 600);
    EXPECT_EQ(picture(), pic::tovarna1);
    EXPECT_EQ(enabledHotspots(), (Hotspots{27, 29}));

    enterScene(311, 622, {2, 32});
    stepBack();
    EXPECT_EQ(form.state.sceneId, 310);
    EXPECT_EQ(form.state.pictureId, 620);
    EXPECT_EQ(enabledHotspots(), (Hotspots{2, 30, 31}));
}

TEST_F(WalkingTest, StepBackFromTheLastRoomStartsTheConfrontation) {
    for (int stage : {30, 40}) {
        form.state.storyStage = stage;
        enterScene(9, 19, {2});
        stepBack();
        EXPECT_EQ(form.state.sceneId, 8);
        EXPECT_EQ(form.state.pictureId, 17);
        EXPECT_EQ(form.state.storyStage, 41);
        EXPECT_EQ(form.state.storyTick, 649);
        EXPECT_TRUE(form.Timer.enabled());
        EXPECT_TRUE(form.imgClona->enabled());
        EXPECT_EQ(picture(), pic::tt3b);
        form.pauseStory();
    }
}

TEST_F(WalkingTest, StepBackIntoTheOfficeCanBeFollowedByZpet) {
    form.state.storyStage = 33;
    enterScene(5, 10, {2, 38});
    stepBack();
    EXPECT_EQ(form.state.sceneId, 4);
    EXPECT_EQ(form.state.pictureId, 8);
    EXPECT_EQ(picture(), pic::urad3c);
    EXPECT_EQ(enabledHotspots(), (Hotspots{2, 37, 39}));
    press(form.btnZpet);
    EXPECT_EQ(form.state.pictureId, 7);
    EXPECT_EQ(picture(), pic::urad3c);

    enterScene(6, 10, {2, 43});  // the passage's first room was entered by a step of two
    stepBack();
    EXPECT_EQ(form.state.sceneId, 4);
    EXPECT_EQ(form.state.pictureId, 8);
    EXPECT_EQ(enabledHotspots(), (Hotspots{2, 37, 39}));
}

TEST_F(WalkingTest, StepsBackThroughTheInnKeepTheRegularsOutsideTheirStages) {
    form.state.storyStage = 24;
    enterScene(13, 23, {2, 13});
    stepBack();
    EXPECT_EQ(form.state.sceneId, 12);
    EXPECT_EQ(form.state.pictureId, 21);
    EXPECT_EQ(enabledHotspots(), (Hotspots{2, 11}));
    form.state.storyStage = 23;
    enterScene(13, 23, {2, 13});
    stepBack();
    EXPECT_EQ(enabledHotspots(), (Hotspots{2, 11, 33}));
    stepBack();
    EXPECT_EQ(form.state.sceneId, 11);
    EXPECT_EQ(enabledHotspots(), (Hotspots{6, 7, 8}));
}

TEST_F(WalkingTest, FromTheWindowThereIsNoWayBackToTheReception) {
    form.state.storyStage = 38;
    enterScene(15, 27, {2, 42});
    stepBack();
    EXPECT_EQ(form.state.sceneId, 14);
    EXPECT_EQ(form.state.pictureId, 25);
    EXPECT_EQ(picture(), pic::pokoj1);
    EXPECT_EQ(enabledHotspots(), (Hotspots{41}));
}

}  // namespace
