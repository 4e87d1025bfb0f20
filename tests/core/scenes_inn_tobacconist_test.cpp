// The hotspots of the inn, the hotel and the tobacconist, where the walkthrough scenario does
// not already reach them.
#include "app/data_files.hpp"
#include "inventory/item_names.hpp"
#include "scenes_area_fixture.hpp"

#include <gtest/gtest.h>

namespace {

using kvtest::AreaTest;
using V = std::vector<int>;
using S = std::vector<std::string>;
namespace held = app::held;

class Inn : public AreaTest {
protected:
    void atInnDoor(int stage, bool allFourParts) {
        at(stage, 11, 20, {6, 7, 8});
        form.state.lineTaken = 1;
        form.state.wireTaken = 1;
        form.state.rodTaken = 1;
        form.state.nutTaken = allFourParts ? 1 : 0;
    }
};

TEST_F(Inn, DoorStartsTheEveningOnlyWithAllFourPartsBelowStage21) {
    struct Case {
        int stage;
        bool allFour;
        bool evening;
    };
    for (const Case& c : {Case{8, true, true}, Case{20, true, true}, Case{20, false, false}, Case{21, true, false},
                          Case{38, true, false}}) {
        atInnDoor(c.stage, c.allFour);
        clickOn(8);
        EXPECT_EQ(form.state.sceneId, 12);
        EXPECT_EQ(picture(), pic::hospoda2);
        EXPECT_EQ(storyRunning(), c.evening) << "storyStage " << c.stage;
        if (c.evening) expectCutscene(328);
    }
}

TEST_F(Inn, DoorOpensTheTaproomsPeopleByStage) {
    struct Case {
        int stage;
        V hotspots;
    };
    for (const Case& c : {Case{2, {2, 10}}, Case{3, {2, 11}}, Case{23, {2, 11, 33}}, Case{24, {2, 11}}}) {
        atInnDoor(c.stage, false);
        clickOn(8);
        EXPECT_EQ(enabledHotspots(), c.hotspots) << "storyStage " << c.stage;
    }
}

TEST_F(Inn, RoomResumesOnlyAtTheParkedTickAndKeepsTheEmptyRoomPicture) {
    at(4, 13, 24, {2, 13});
    form.state.storyTick = 126;
    clickOn(13);
    EXPECT_EQ(picture(), pic::pokoj1);
    EXPECT_FALSE(storyRunning());

    at(37, 13, 24, {2, 13});
    form.state.storyTick = 562;
    clickOn(13);
    EXPECT_EQ(picture(), pic::pokoj1a);  // no upper limit, unlike the scene table
    EXPECT_FALSE(storyRunning());
}

TEST_F(Inn, GardenerIgnoresTheLineWithoutTheNut) {
    at(38, 15, 28, {2, 42});
    carry({item::vlasec, item::vlasecMatka});
    hold(held::FishingLine);
    const auto before = snapshot();
    clickOn(42);
    EXPECT_EQ(snapshot(), before);
}

class Tobacconist : public AreaTest {};

TEST_F(Tobacconist, ShopAssistantServesOnlyAtStages7And24) {
    for (int stage : {6, 7, 8, 24, 25}) {
        at(stage, 21, 40, {7, 9});
        clickOn(9);
        EXPECT_EQ(enabledHotspots(), ((stage == 7 || stage == 24) ? V{2, 16} : V{2})) << "storyStage " << stage;
    }
    at(8, 22, 42, {2, 16});
    form.state.storyTick = 195;
    const auto before = snapshot();
    clickOn(16);
    EXPECT_EQ(snapshot(), before);
}

TEST_F(Tobacconist, HammerIsPickedUpWithoutEmptyingTheHand) {
    at(0, 21, 40, {7, 9});
    form.showOverlay(21, true);
    hold(held::CreditCard);
    clickOn(21);
    EXPECT_EQ(form.state.hammerTaken, 1);
    EXPECT_FALSE(form.cur(21).visible());
    EXPECT_EQ(heldFlags(), V{held::CreditCard});
}

}  // namespace
