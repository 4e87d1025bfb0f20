// Leaving the village map for one of its places, and the story it resumes.
#include "app/data_files.hpp"
#include "form_fixture.hpp"
#include "inventory/item_names.hpp"

namespace {

using Hotspots = std::vector<int>;

class MapTest : public kvtest::FormTest {
protected:
    // Opens the map from the square, the way a player does.
    void openMap(int stage) {
        takeControl(stage);
        enterScene(1, 1, {1, 6, 7});
        carry({item::mapa});
        select(item::mapa);
        press(form.btnPruzkum);
        ASSERT_EQ(picture(), pic::mapa);
    }
    void expectMapFolded() {
        EXPECT_EQ(form.state.returnMode, 0);
        for (int n = 1; n <= 4; ++n) EXPECT_FALSE(form.map(n).enabled()) << n;
        EXPECT_FALSE(form.map(4).visible());
    }
};

TEST_F(MapTest, SquareOpensTheStreetAndTheWellAtItsStage) {
    openMap(28);
    ASSERT_TRUE(clickMapSpot(1));
    EXPECT_EQ(form.state.sceneId, 1);
    EXPECT_EQ(form.state.pictureId, 1);
    EXPECT_EQ(picture(), pic::namesti1);
    EXPECT_EQ(enabledHotspots(), (Hotspots{1, 6, 7, 34}));
    expectMapFolded();
}

TEST_F(MapTest, PowerPlantResumesTheStoryOnlyAtTick195AndLeavesATakenNailAway) {
    openMap(8);
    form.state.storyTick = 195;
    ASSERT_TRUE(clickMapSpot(2));
    EXPECT_EQ(form.state.sceneId, 100);
    EXPECT_EQ(form.state.pictureId, 200);
    EXPECT_EQ(enabledHotspots(), (Hotspots{17, 18}));
    EXPECT_EQ(form.cur(17).picture(), pic::elhrebik);
    EXPECT_TRUE(form.cur(17).visible());
    EXPECT_TRUE(form.Timer.enabled());
    EXPECT_TRUE(form.imgClona->enabled());
    EXPECT_EQ(form.state.storyTick, 195);
    expectMapFolded();

    openMap(9);
    form.state.storyTick = 230;
    form.state.nailTaken = 1;
    ASSERT_TRUE(clickMapSpot(2));
    EXPECT_FALSE(form.Timer.enabled());
    EXPECT_FALSE(form.cur(17).visible() || form.cur(17).enabled());
    EXPECT_EQ(enabledHotspots(), (Hotspots{18}));
}

TEST_F(MapTest, ParkHasTheMadmanOnlyAtStage29) {
    openMap(29);
    ASSERT_TRUE(clickMapSpot(3));
    EXPECT_EQ(form.state.sceneId, 200);
    EXPECT_EQ(form.state.pictureId, 400);
    EXPECT_EQ(picture(), pic::park);
    EXPECT_EQ(enabledHotspots(), (Hotspots{35}));
    openMap(30);
    ASSERT_TRUE(clickMapSpot(3));
    EXPECT_EQ(enabledHotspots(), (Hotspots{}));
}

TEST_F(MapTest, FactoryResumesTheStoryWhenFoundAndOpensTheSideYardLater) {
    openMap(17);
    EXPECT_FALSE(clickMapSpot(4));  // three places only
    openMap(18);
    ASSERT_TRUE(clickMapSpot(4));
    EXPECT_EQ(form.state.sceneId, 300);
    EXPECT_EQ(form.state.pictureId, 600);
    EXPECT_EQ(picture(), pic::tovarna1);
    EXPECT_TRUE(form.Timer.enabled());
    EXPECT_EQ(enabledHotspots(), (Hotspots{27}));
    expectMapFolded();

    openMap(19);
    ASSERT_TRUE(clickMapSpot(4));
    EXPECT_FALSE(form.Timer.enabled());
    EXPECT_EQ(enabledHotspots(), (Hotspots{27, 29}));
}

}  // namespace
