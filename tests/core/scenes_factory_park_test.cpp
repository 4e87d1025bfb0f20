// The hotspots of the factory and the park.
#include "app/data_files.hpp"
#include "inventory/item_names.hpp"
#include "scenes_area_fixture.hpp"

#include <gtest/gtest.h>

namespace {

using kvtest::AreaTest;
using V = std::vector<int>;
using S = std::vector<std::string>;
namespace held = app::held;

class Factory : public AreaTest {};

TEST_F(Factory, DirectorIsEnabledOnEntryOnlyAt19And26) {
    for (int stage : {18, 19, 20, 25, 26, 27}) {
        at(stage, 300, 600, {27, 29});
        clickOn(27);
        EXPECT_EQ(form.state.sceneId, 301);
        EXPECT_EQ(form.state.pictureId, 602);
        EXPECT_EQ(picture(), pic::tovarna2);
        EXPECT_EQ(enabledHotspots(), ((stage == 19 || stage == 26) ? V{2, 28, 29} : V{2, 29}))
            << "storyStage " << stage;
    }
    // At other stages the director keeps whatever state he had.
    at(20, 300, 600, {27, 28});
    clickOn(27);
    EXPECT_TRUE(form.cur(28).enabled());
}

TEST_F(Factory, DirectorTalksTwice) {
    at(19, 301, 602, {2, 28});
    clickOn(28);
    expectCutscene(298);

    at(26, 301, 602, {2, 28});
    clickOn(28);
    expectCutscene(426);

    for (int stage : {20, 27}) {
        at(stage, 301, 602, {2, 28});
        form.state.storyTick = 328;
        const auto before = snapshot();
        clickOn(28);
        EXPECT_EQ(snapshot(), before) << "storyStage " << stage;
    }
}

TEST_F(Factory, SideYardShowsTheRodUntilTaken) {
    for (int taken : {0, 1}) {
        at(20, 300, 600, {27, 29});
        form.state.rodTaken = taken;
        clickOn(29);
        EXPECT_EQ(form.state.sceneId, 310);
        EXPECT_EQ(form.state.pictureId, 620);
        EXPECT_EQ(picture(), pic::tovarna3);
        EXPECT_EQ(form.cur(30).picture(), pic::totyc);
        EXPECT_EQ(form.cur(30).visible(), taken == 0);
        EXPECT_EQ(enabledHotspots(), (taken == 0 ? V{2, 30, 31} : V{2, 31}));
    }
}

TEST_F(Factory, RodIsPickedUpAndTheHandEmptied) {
    at(20, 310, 620, {2, 31});
    form.showOverlay(30, true);
    carry({item::mapa});
    hold(held::Map);
    clickOn(30);
    EXPECT_EQ(form.state.rodTaken, 1);
    EXPECT_TRUE(heldFlags().empty());
    EXPECT_FALSE(form.cur(30).visible());
    EXPECT_EQ(enabledHotspots(), (V{2, 31}));
    EXPECT_EQ(inventory(), (S{item::mapa, item::tyc}));
    EXPECT_EQ(form.state.itemCount, 2);
}

TEST_F(Factory, StoreByStage) {
    struct Case {
        int stage;
        const char* picture;
    };
    for (const Case& c : {Case{20, pic::tovarna4a}, Case{26, pic::tovarna4a}, Case{28, pic::tovarna4b}}) {
        at(c.stage, 310, 620, {2, 30, 31});
        form.showOverlay(30, true);
        clickOn(31);
        EXPECT_EQ(form.state.sceneId, 311);
        EXPECT_EQ(form.state.pictureId, 622);
        EXPECT_EQ(picture(), c.picture);
        EXPECT_EQ(form.cur(32).picture(), pic::tomatka);
        EXPECT_FALSE(form.cur(30).visible());
        EXPECT_EQ(enabledHotspots(), (V{2, 32}));
        EXPECT_FALSE(storyRunning()) << "storyStage " << c.stage;
    }
}

TEST_F(Factory, EnteringTheStoreAt27OverhearsTheWorkers) {
    at(27, 310, 620, {2, 31});
    form.state.nutTaken = 1;
    clickOn(31);
    EXPECT_EQ(picture(), pic::tovarna4b);
    EXPECT_FALSE(form.cur(32).visible());
    EXPECT_EQ(enabledHotspots(), (V{2}));
    expectCutscene(447);
}

TEST_F(Factory, NutIsPickedUpAndTheHandEmptied) {
    at(20, 311, 622, {2});
    form.showOverlay(32, true);
    carry({item::vlasec});
    hold(held::FishingLine);
    clickOn(32);
    EXPECT_EQ(form.state.nutTaken, 1);
    EXPECT_TRUE(heldFlags().empty());
    EXPECT_FALSE(form.cur(32).visible());
    EXPECT_EQ(inventory(), (S{item::matka, item::vlasec}));
    EXPECT_EQ(form.state.itemCount, 2);
}

TEST_F(Factory, MadmanInTheParkTalks) {
    at(29, 200, 400, {35});
    clickOn(35);
    expectCutscene(471);
}

}  // namespace
