// The hotspots of the square, the cash machine, the town hall and the secret passage, where
// the walkthrough scenario does not already reach them.
#include "app/data_files.hpp"
#include "inventory/item_names.hpp"
#include "scenes_area_fixture.hpp"

#include <gtest/gtest.h>

namespace {

using kvtest::AreaTest;
using V = std::vector<int>;
using S = std::vector<std::string>;
namespace held = app::held;

class SquareTownHall : public AreaTest {};

TEST_F(SquareTownHall, CardSlotTakesOnlyTheCardAndSearchesOnlyTheFirstTwoPositions) {
    at(6, -8, -15, {2, 15});
    carry({item::drat, item::hrebik, item::kreditniKarta, item::zbran});
    hold(held::ServiceCard);
    clickOn(15);
    expectRemark(0);
    EXPECT_EQ(form.state.cardOwned, 1);
    EXPECT_EQ(heldFlags(), V{held::ServiceCard});

    at(6, -8, -15, {2, 15});
    hold(held::CreditCard);
    clickOn(15);
    // The card stands at position 2: it stays, but the count and the ownership change anyway.
    EXPECT_EQ(inventory(), (S{item::drat, item::hrebik, item::kreditniKarta, item::zbran}));
    EXPECT_EQ(form.state.itemCount, 3);
    EXPECT_EQ(form.state.cardOwned, 0);
    EXPECT_TRUE(heldFlags().empty());
    expectCutscene(153);
}

TEST_F(SquareTownHall, MayorWantsTheServiceCardAtStage1AndNothingElse) {
    at(1, 4, 7, {2, 5});
    hold(held::CreditCard);
    clickOn(5);
    EXPECT_EQ(heldFlags(), V{held::CreditCard});
    expectCutscene(22);

    at(1, 4, 7, {2, 5});
    hold(held::ServiceCard);
    clickOn(5);
    EXPECT_TRUE(heldFlags().empty());
    expectCutscene(37);

    for (int stage : {2, 6, 24}) {
        at(stage, 4, 7, {2, 5});
        const auto before = snapshot();
        clickOn(5);
        EXPECT_EQ(snapshot(), before) << "storyStage " << stage;
    }
}

TEST_F(SquareTownHall, OfficeDoorByStage) {
    for (int stage = 24; stage <= 29; ++stage) {
        at(stage, 3, 5, {2, 4});
        const auto before = snapshot();
        clickOn(4);
        EXPECT_EQ(snapshot(), before) << "storyStage " << stage;
    }
    for (int stage : {30, 31}) {  // found locked: the agent stays in the corridor
        at(stage, 3, 5, {2, 4});
        clickOn(4);
        EXPECT_EQ(form.state.sceneId, 3);
        EXPECT_EQ(enabledHotspots(), (V{2, 4}));
        expectCutscene(511);
    }
    struct Case {
        int stage;
        const char* picture;
        V hotspots;
    };
    for (const Case& c : {Case{23, pic::urad3a, {2, 5}}, Case{32, pic::urad3b, {2, 5, 37}},
                          Case{33, pic::urad3c, {2, 5, 37, 39}}}) {
        at(c.stage, 3, 5, {2, 4});
        clickOn(4);
        EXPECT_EQ(form.state.sceneId, 4);
        EXPECT_EQ(form.state.pictureId, 7);
        EXPECT_EQ(picture(), c.picture);
        EXPECT_EQ(enabledHotspots(), c.hotspots) << "storyStage " << c.stage;
        EXPECT_FALSE(storyRunning());
    }
}

TEST_F(SquareTownHall, OfficeLockWithoutTheWireRemarksAndEmptiesTheHand) {
    at(31, 3, 5, {2, 4, 36});
    hold(held::Hammer);
    clickOn(36);
    expectRemark(12);
    EXPECT_TRUE(heldFlags().empty());
}

TEST_F(SquareTownHall, BackRoomDoorLiesAboveTheMayor) {
    at(32, 4, 7, {2, 5, 37});
    EXPECT_FALSE(clickHotspot(5));
    EXPECT_EQ(form.state.sceneId, 5);
}

TEST_F(SquareTownHall, SecretEntranceByStage) {
    at(34, 4, 8, {2, 37, 39});
    clickOn(39);
    EXPECT_EQ(form.state.sceneId, 4);
    expectCutscene(532);

    at(35, 4, 8, {2, 37, 39});
    const auto before = snapshot();
    clickOn(39);
    EXPECT_EQ(snapshot(), before);

    // At 41 the agent moves into the passage but neither the picture nor the way on changes.
    at(41, 4, 8, {2, 37, 39, 43});
    form.showPicture(pic::urad3c);
    clickOn(39);
    EXPECT_EQ(form.state.sceneId, 6);
    EXPECT_EQ(form.state.pictureId, 12);
    EXPECT_EQ(picture(), pic::urad3c);
    EXPECT_EQ(enabledHotspots(), (V{2, 43}));

    at(42, 4, 8, {2, 37, 39, 43});
    clickOn(39);
    EXPECT_EQ(picture(), pic::tt1c);
    EXPECT_EQ(enabledHotspots(), (V{2}));
}

TEST_F(SquareTownHall, ThirdRoomLoadsItsPictureOnlyAtStage40) {
    at(42, 7, 14, {2, 45});
    form.showPicture(pic::tt2b);
    clickOn(45);
    EXPECT_EQ(form.state.sceneId, 8);
    EXPECT_EQ(picture(), pic::tt2b);
}

class Chase : public AreaTest {
protected:
    Chase() {
        at(41, 6, 12, {47});
        carry({item::kladivo, item::mobilniTelefon, item::tyc, item::zbran});
        form.state.storyTick = 685;
        form.startDeathCountdown();
    }
};

TEST_F(Chase, DoorWithoutTheRodDoesNothingAndTheCountGoesOn) {
    hold(held::Hammer);
    const auto before = snapshot();
    clickOn(47);
    EXPECT_EQ(snapshot(), before);
    EXPECT_TRUE(form.TimerDead.enabled());
}

TEST_F(Chase, RodStopsTheCountBeforeTheStoryGoesOn) {
    clock.advance(14 * 1000);
    hold(held::Rod);
    clickOn(47);
    EXPECT_FALSE(form.TimerDead.enabled());
    EXPECT_EQ(inventory(), (S{item::kladivo, item::mobilniTelefon, item::zbran}));
    EXPECT_EQ(form.state.itemCount, 3);
    expectCutscene(685);
    clock.advance(10 * 1000);
    EXPECT_EQ(picture(), pic::tt1c);  // neither death picture ever comes
}

}  // namespace
