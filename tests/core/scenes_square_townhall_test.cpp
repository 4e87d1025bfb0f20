// The hotspots of the square, the cash machine, the town hall and the secret passage.
#include "app/data_files.hpp"
#include "inventory/item_names.hpp"
#include "scenes_area_fixture.hpp"

#include <gtest/gtest.h>

namespace {

using kvtest::AreaTest;
using V = std::vector<int>;
using S = std::vector<std::string>;

class SquareTownHall : public AreaTest {};

TEST_F(SquareTownHall, TownHallDoorLeadsInAndClosesTheSquare) {
    at(28, 1, 1, {1, 6, 7, 34});
    clickOn(1);
    EXPECT_EQ(form.state.sceneId, 2);
    EXPECT_EQ(form.state.pictureId, 3);
    EXPECT_EQ(picture(), pic::urad1);
    EXPECT_EQ(enabledHotspots(), (V{2, 3}));

    clickOn(3);
    EXPECT_EQ(form.state.sceneId, 3);
    EXPECT_EQ(form.state.pictureId, 5);
    EXPECT_EQ(picture(), pic::urad2);
    EXPECT_EQ(enabledHotspots(), (V{2, 4}));
}

TEST_F(SquareTownHall, OfficeDoorLockIsOfferedOnlyAtStage31) {
    for (int stage : {30, 31, 32}) {
        at(stage, 2, 3, {2, 3});
        clickOn(3);
        EXPECT_EQ(form.cur(36).enabled(), stage == 31) << "storyStage " << stage;
    }
}

TEST_F(SquareTownHall, WellStartsItsCutscene) {
    at(28, 1, 1, {1, 6, 7, 34});
    clickOn(34);
    expectCutscene(464);
}

TEST_F(SquareTownHall, CardSlotIsOpenOnlyAtStage6) {
    for (int stage : {5, 6, 7}) {
        at(stage, -9, -17, {6, 14});
        clickOn(14);
        EXPECT_EQ(form.state.sceneId, -8);
        EXPECT_EQ(form.state.pictureId, -15);
        EXPECT_EQ(picture(), pic::bankomat2);
        EXPECT_EQ(enabledHotspots(), (stage == 6 ? V{2, 15} : V{2})) << "storyStage " << stage;
    }
}

TEST_F(SquareTownHall, CardSlotWithoutTheCardOnlyRemarks) {
    at(6, -8, -15, {2, 15});
    carry({item::kreditniKarta, item::mobilniTelefon, item::sluzebniPrukaz, item::zbran});
    hold(app::held::ServiceCard);
    clickOn(15);
    expectRemark(0);
    EXPECT_EQ(form.state.storyTick, 0);
    EXPECT_EQ(form.state.cardOwned, 1);
    EXPECT_EQ(form.state.itemCount, 4);
    EXPECT_EQ(heldFlags(), V{app::held::ServiceCard});
}

TEST_F(SquareTownHall, CardSlotKeepsTheCardAndPaysOut) {
    at(6, -8, -15, {2, 15});
    // The hammer from the tobacconist is the one item that can stand before the card.
    carry({item::kladivo, item::kreditniKarta, item::mobilniTelefon, item::sluzebniPrukaz, item::zbran});
    hold(app::held::CreditCard);
    clickOn(15);
    EXPECT_EQ(inventory(), (S{item::kladivo, item::mobilniTelefon, item::sluzebniPrukaz, item::zbran}));
    EXPECT_EQ(form.state.itemCount, 4);
    EXPECT_EQ(form.state.cardOwned, 0);
    EXPECT_TRUE(heldFlags().empty());
    expectCutscene(153);
}

TEST_F(SquareTownHall, CardSlotSearchesOnlyTheFirstTwoPositions) {
    at(6, -8, -15, {2, 15});
    carry({item::drat, item::hrebik, item::kreditniKarta, item::zbran});
    hold(app::held::CreditCard);
    clickOn(15);
    EXPECT_EQ(inventory(), (S{item::drat, item::hrebik, item::kreditniKarta, item::zbran}));
    EXPECT_EQ(form.state.itemCount, 3);
    EXPECT_EQ(form.state.cardOwned, 0);
    expectCutscene(153);
}

TEST_F(SquareTownHall, MayorTalksTakesTheCardAndHearsTheReport) {
    at(0, 4, 7, {2, 5});
    clickOn(5);
    expectCutscene(22);

    // Without the card the opening exchange is replayed, whatever else is in the hand.
    at(1, 4, 7, {2, 5});
    hold(app::held::CreditCard);
    clickOn(5);
    expectCutscene(22);

    at(1, 4, 7, {2, 5});
    hold(app::held::ServiceCard);
    form.inv(1).setVisible(true);
    clickOn(5);
    EXPECT_TRUE(heldFlags().empty());
    EXPECT_FALSE(form.inv(1).visible());
    expectCutscene(37);

    at(5, 4, 7, {2, 5});
    form.state.storyTick = 134;
    clickOn(5);
    expectCutscene(134);  // resumed where the script paused
}

TEST_F(SquareTownHall, MayorAtOtherStagesDoesNothing) {
    for (int stage : {2, 3, 4, 6, 24}) {
        at(stage, 4, 7, {2, 5});
        form.state.storyTick = 71;
        const auto before = snapshot();
        clickOn(5);
        EXPECT_EQ(snapshot(), before) << "storyStage " << stage;
    }
}

TEST_F(SquareTownHall, OfficeDoorOpensByStage) {
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

TEST_F(SquareTownHall, OfficeDoorIsShutOnTheSecondDayUntilFoundLocked) {
    for (int stage = 24; stage <= 29; ++stage) {
        at(stage, 3, 5, {2, 4});
        const auto before = snapshot();
        clickOn(4);
        EXPECT_EQ(snapshot(), before) << "storyStage " << stage;
    }
    for (int stage : {30, 31}) {
        at(stage, 3, 5, {2, 4});
        clickOn(4);
        EXPECT_EQ(form.state.sceneId, 3);
        EXPECT_EQ(form.state.pictureId, 5);
        EXPECT_EQ(enabledHotspots(), (V{2, 4}));
        expectCutscene(511);
    }
}

TEST_F(SquareTownHall, OfficeLockOpensOnlyWithTheWire) {
    at(31, 3, 5, {2, 4, 36});
    carry({item::drat, item::zbran});
    hold(app::held::Hammer);
    clickOn(36);
    expectRemark(12);
    EXPECT_TRUE(heldFlags().empty());

    at(31, 3, 5, {2, 4, 36});
    hold(app::held::Wire);
    clickOn(36);
    EXPECT_TRUE(heldFlags().empty());
    EXPECT_EQ(inventory(), (S{item::drat, item::zbran}));
    expectCutscene(517);
}

TEST_F(SquareTownHall, BackRoomAndItsButton) {
    for (int stage : {31, 32}) {
        at(stage, 4, 7, {2, 5, 37, 39});
        clickOn(37);
        EXPECT_EQ(form.state.sceneId, 5);
        EXPECT_EQ(form.state.pictureId, 9);
        EXPECT_EQ(picture(), pic::urad4);
        EXPECT_EQ(enabledHotspots(), (stage == 32 ? V{2, 5, 38} : V{2, 5}));
    }
    clickOn(38);
    expectCutscene(521);
}

TEST_F(SquareTownHall, BackRoomDoorLiesAboveTheMayor) {
    at(32, 4, 7, {2, 5, 37});
    clickOn(37);
    EXPECT_EQ(form.state.sceneId, 5);
    at(32, 4, 7, {2, 5, 37});
    EXPECT_FALSE(clickHotspot(5));
    EXPECT_EQ(form.state.sceneId, 5);  // the click on the mayor went through the door
}

TEST_F(SquareTownHall, SecretEntranceFirstSendsTheAgentForThePhoneNumber) {
    for (int stage : {33, 34}) {
        at(stage, 4, 8, {2, 5, 37, 39});
        clickOn(39);
        EXPECT_EQ(form.state.sceneId, 4);
        expectCutscene(532);
    }
    for (int stage : {35, 38}) {
        at(stage, 4, 8, {2, 5, 37, 39});
        const auto before = snapshot();
        clickOn(39);
        EXPECT_EQ(snapshot(), before) << "storyStage " << stage;
    }
}

TEST_F(SquareTownHall, SecretEntranceLeadsIntoThePassageByStage) {
    at(39, 4, 8, {2, 5, 37, 39});
    clickOn(39);
    EXPECT_EQ(form.state.sceneId, 6);
    EXPECT_EQ(form.state.pictureId, 12);
    EXPECT_EQ(picture(), pic::tt1a);
    EXPECT_EQ(enabledHotspots(), (V{2, 5, 43}));

    at(42, 4, 8, {2, 5, 37, 39, 43});
    clickOn(39);
    EXPECT_EQ(picture(), pic::tt1c);
    EXPECT_EQ(enabledHotspots(), (V{2, 5}));
}

TEST_F(SquareTownHall, SecretEntranceAtStage41MovesWithoutAPicture) {
    at(41, 4, 8, {2, 37, 39, 43});
    form.showPicture(pic::urad3c);
    clickOn(39);
    EXPECT_EQ(form.state.sceneId, 6);
    EXPECT_EQ(form.state.pictureId, 12);
    EXPECT_EQ(picture(), pic::urad3c);
    EXPECT_EQ(enabledHotspots(), (V{2, 43}));
}

TEST_F(SquareTownHall, PassageRoomsOneAfterAnother) {
    at(39, 6, 12, {2, 43});
    clickOn(43);
    EXPECT_EQ(form.state.sceneId, 7);
    EXPECT_EQ(form.state.pictureId, 14);
    EXPECT_EQ(picture(), pic::tt2a);
    EXPECT_EQ(enabledHotspots(), (V{2, 44}));
    clickOn(44);
    expectCutscene(576);

    at(40, 6, 12, {2, 43});
    clickOn(43);
    EXPECT_EQ(picture(), pic::tt2b);
    EXPECT_EQ(enabledHotspots(), (V{2, 45}));
    clickOn(45);
    EXPECT_EQ(form.state.sceneId, 8);
    EXPECT_EQ(form.state.pictureId, 16);
    EXPECT_EQ(picture(), pic::tt3a);
    EXPECT_EQ(enabledHotspots(), (V{2, 46}));
    clickOn(46);
    EXPECT_EQ(form.state.sceneId, 9);
    EXPECT_EQ(form.state.pictureId, 18);
    EXPECT_EQ(picture(), pic::tt4);
    EXPECT_EQ(enabledHotspots(), (V{2}));
}

TEST_F(SquareTownHall, ThirdRoomKeepsThePictureAwayFromStage40) {
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
    for (int flag : {0, static_cast<int>(app::held::Hammer)}) {
        if (flag != 0) hold(flag);
        const auto before = snapshot();
        clickOn(47);
        EXPECT_EQ(snapshot(), before);
        EXPECT_TRUE(form.TimerDead.enabled());
    }
}

TEST_F(Chase, RodBarsTheDoorAndStopsTheCountFirst) {
    clock.advance(14 * 1000);
    hold(app::held::Rod);
    clickOn(47);
    EXPECT_FALSE(form.TimerDead.enabled());
    EXPECT_EQ(picture(), pic::tt1c);
    EXPECT_EQ(enabledHotspots(), (V{2}));
    EXPECT_TRUE(heldFlags().empty());
    EXPECT_EQ(inventory(), (S{item::kladivo, item::mobilniTelefon, item::zbran}));
    EXPECT_EQ(form.state.itemCount, 3);
    expectCutscene(685);
    clock.advance(10 * 1000);
    EXPECT_EQ(picture(), pic::tt1c);  // the death pictures never come
}

}  // namespace
