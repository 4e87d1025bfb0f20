// The hotspots of the inn, the hotel and the tobacconist.
#include "app/data_files.hpp"
#include "inventory/item_names.hpp"
#include "scenes_area_fixture.hpp"

#include <gtest/gtest.h>

namespace {

using kvtest::AreaTest;
using V = std::vector<int>;
using S = std::vector<std::string>;

class Inn : public AreaTest {
protected:
    void partsFound(bool line, bool wire, bool rod, bool nut) {
        form.state.lineTaken = line ? 1 : 0;
        form.state.wireTaken = wire ? 1 : 0;
        form.state.rodTaken = rod ? 1 : 0;
        form.state.nutTaken = nut ? 1 : 0;
    }
    void atInnDoor(int stage) { at(stage, 11, 20, {6, 7, 8}); }
};

TEST_F(Inn, DoorOpensTheTaproomsPeopleByStage) {
    struct Case {
        int stage;
        V hotspots;
    };
    for (const Case& c : {Case{2, {2, 10}}, Case{3, {2, 11}}, Case{19, {2, 11}}, Case{20, {2, 11, 33}},
                          Case{23, {2, 11, 33}}, Case{24, {2, 11}}, Case{38, {2, 11}}}) {
        atInnDoor(c.stage);
        clickOn(8);
        EXPECT_EQ(form.state.sceneId, 12);
        EXPECT_EQ(form.state.pictureId, 22);
        EXPECT_EQ(picture(), pic::hospoda2);
        EXPECT_EQ(enabledHotspots(), c.hotspots) << "storyStage " << c.stage;
        EXPECT_FALSE(storyRunning());
    }
}

TEST_F(Inn, DoorStartsTheEveningOnlyWithAllFourPartsBeforeStage21) {
    for (int stage : {8, 20}) {
        atInnDoor(stage);
        partsFound(true, true, true, true);
        clickOn(8);
        EXPECT_EQ(form.state.sceneId, 12);
        expectCutscene(328);
    }
    atInnDoor(20);
    partsFound(true, true, true, false);
    clickOn(8);
    EXPECT_EQ(form.state.sceneId, 12);
    EXPECT_FALSE(storyRunning());

    for (int stage : {21, 38}) {
        atInnDoor(stage);
        partsFound(true, true, true, true);
        clickOn(8);
        EXPECT_EQ(form.state.sceneId, 12);
        EXPECT_FALSE(storyRunning()) << "storyStage " << stage;
    }
}

TEST_F(Inn, DoorIsClosedToTheAgentAfterHisEscape) {
    for (int stage : {39, 42}) {
        atInnDoor(stage);
        partsFound(true, true, true, true);
        clickOn(8);
        EXPECT_EQ(form.state.sceneId, 11);
        EXPECT_EQ(form.state.pictureId, 20);
        EXPECT_EQ(enabledHotspots(), (V{6, 7, 8}));
        expectRemark(16);
    }
}

TEST_F(Inn, InnkeeperAndTheDrinkers) {
    at(2, 12, 22, {2, 10});
    clickOn(10);
    expectCutscene(73);

    for (int stage : {20, 22}) {
        at(stage, 12, 22, {2, 11, 33});
        const auto before = snapshot();
        clickOn(33);
        EXPECT_EQ(snapshot(), before);
    }
    at(21, 12, 22, {2, 11, 33});
    clickOn(33);
    expectCutscene(340);
}

TEST_F(Inn, ReceptionByStage) {
    struct Case {
        int stage;
        V hotspots;
    };
    for (const Case& c : {Case{3, {2, 12}}, Case{4, {2, 13}}, Case{24, {2, 13}}}) {
        at(c.stage, 12, 22, {2, 11, 33});
        clickOn(11);
        EXPECT_EQ(form.state.sceneId, 13);
        EXPECT_EQ(form.state.pictureId, 24);
        EXPECT_EQ(picture(), pic::hospoda3);
        EXPECT_EQ(enabledHotspots(), c.hotspots) << "storyStage " << c.stage;
        EXPECT_FALSE(storyRunning());
    }
    at(34, 12, 22, {2, 11});
    clickOn(11);
    EXPECT_EQ(form.state.sceneId, 13);
    expectCutscene(539);
}

TEST_F(Inn, ReceptionistResumesTheParkedConversation) {
    at(3, 13, 24, {2, 12});
    form.state.storyTick = 85;
    clickOn(12);
    expectCutscene(85);
}

TEST_F(Inn, RoomResumesTheStoryOnlyAtTheParkedTick) {
    at(4, 13, 24, {2, 13});
    form.state.storyTick = 127;
    clickOn(13);
    EXPECT_EQ(form.state.sceneId, 14);
    EXPECT_EQ(form.state.pictureId, 26);
    EXPECT_EQ(picture(), pic::pokoj1);
    EXPECT_EQ(enabledHotspots(), (V{2}));
    expectCutscene(127);

    at(4, 13, 24, {2, 13});
    form.state.storyTick = 126;
    clickOn(13);
    EXPECT_FALSE(storyRunning());
}

TEST_F(Inn, RoomPictureHasNoUpperLimit) {
    for (int stage : {5, 24, 37}) {
        at(stage, 13, 24, {2, 13});
        form.state.storyTick = 412;
        clickOn(13);
        EXPECT_EQ(picture(), pic::pokoj1a) << "storyStage " << stage;
        EXPECT_FALSE(storyRunning());
    }
}

TEST_F(Inn, EmptyRoomOffersOnlyTheNotebook) {
    at(35, 13, 24, {2, 13});
    form.state.storyTick = 551;
    clickOn(13);
    EXPECT_EQ(enabledHotspots(), (V{40}));
    expectCutscene(551);
}

TEST_F(Inn, NotebookIsTakenBackWithoutACutscene) {
    at(36, 14, 26, {40});
    carry({item::kladivo, item::zbran});
    form.state.notebookCarried = 0;
    clickOn(40);
    EXPECT_EQ(inventory(), (S{item::kladivo, item::zapisnik, item::zbran}));
    EXPECT_EQ(form.state.itemCount, 3);
    EXPECT_EQ(form.state.storyStage, 37);
    EXPECT_EQ(form.state.notebookCarried, 1);
    EXPECT_EQ(picture(), pic::pokoj1);
    EXPECT_EQ(enabledHotspots(), (V{41}));
    EXPECT_FALSE(storyRunning());
}

TEST_F(Inn, WindowByStage) {
    at(37, 14, 26, {41});
    clickOn(41);
    EXPECT_EQ(form.state.sceneId, 15);
    EXPECT_EQ(form.state.pictureId, 28);
    EXPECT_EQ(picture(), pic::pokoj2a);
    EXPECT_EQ(enabledHotspots(), (V{2}));
    expectCutscene(556);

    at(38, 14, 26, {41});
    clickOn(41);
    EXPECT_EQ(enabledHotspots(), (V{2, 42}));
    EXPECT_FALSE(storyRunning());
}

TEST_F(Inn, GardenerIsLuredOnlyByTheLineWithTheNut) {
    at(38, 15, 28, {2, 42});
    carry({item::mobilniTelefon, item::vlasecMatka, item::zapisnik});
    hold(app::held::FishingLine);
    const auto before = snapshot();
    clickOn(42);
    EXPECT_EQ(snapshot(), before);

    hold(app::held::LineWithNut);
    clickOn(42);
    EXPECT_TRUE(heldFlags().empty());
    EXPECT_EQ(inventory(), (S{item::mobilniTelefon, item::zapisnik}));
    EXPECT_EQ(form.state.itemCount, 2);
    expectCutscene(562);
}

class Tobacconist : public AreaTest {};

TEST_F(Tobacconist, ShopAssistantServesOnlyAtStages7And24) {
    for (int stage : {6, 7, 8, 24, 25}) {
        at(stage, 21, 40, {7, 9, 21});
        clickOn(9);
        EXPECT_EQ(form.state.sceneId, 22);
        EXPECT_EQ(form.state.pictureId, 42);
        EXPECT_EQ(picture(), pic::trafika2);
        EXPECT_FALSE(form.cur(21).visible());
        EXPECT_EQ(enabledHotspots(), ((stage == 7 || stage == 24) ? V{2, 16} : V{2})) << "storyStage " << stage;
    }
}

TEST_F(Tobacconist, ShopAssistantSellsTheMapAndTheNewspaper) {
    at(7, 22, 42, {2, 16});
    clickOn(16);
    expectCutscene(170);

    at(24, 22, 42, {2, 16});
    clickOn(16);
    expectCutscene(412);

    at(8, 22, 42, {2, 16});
    form.state.storyTick = 195;
    const auto before = snapshot();
    clickOn(16);
    EXPECT_EQ(snapshot(), before);
}

TEST_F(Tobacconist, HammerIsPickedUpWithoutEmptyingTheHand) {
    at(0, 21, 40, {7, 9});
    form.showOverlay(21, true);
    carry({item::kreditniKarta, item::zbran});
    hold(app::held::CreditCard);
    clickOn(21);
    EXPECT_EQ(inventory(), (S{item::kladivo, item::kreditniKarta, item::zbran}));
    EXPECT_EQ(form.state.itemCount, 3);
    EXPECT_EQ(form.state.hammerTaken, 1);
    EXPECT_FALSE(form.cur(21).visible());
    EXPECT_FALSE(form.cur(21).enabled());
    EXPECT_EQ(heldFlags(), V{app::held::CreditCard});
}

}  // namespace
