// Průzkum and Zpět: close-ups by flag and state, pictureId bookkeeping, overlays, the map.
#include "app/data_files.hpp"
#include "form_fixture.hpp"
#include "inventory/item_names.hpp"

namespace {

using Flags = std::vector<int>;

class ExamineTest : public kvtest::FormTest {
protected:
    ExamineTest() {
        takeControl(8);
        carry({item::kreditniKarta, item::mapa, item::zbran, item::zasobnik, item::penize, item::noviny,
               item::sluzebniPrukaz});
    }
    void examine(const char* caption) {
        select(caption);
        press(form.btnPruzkum);
    }
    void back() { press(form.btnZpet); }
};

TEST_F(ExamineTest, CardInTheSquareAndBack) {
    enterScene(1, 1, {1, 6});
    form.showPicture(pic::namesti1);
    examine(item::kreditniKarta);
    EXPECT_EQ(picture(), pic::karta);
    EXPECT_EQ(form.state.pictureId, 2);
    EXPECT_EQ(heldFlags(), Flags{});
    EXPECT_TRUE(form.imgClona->enabled());
    EXPECT_FALSE(form.inv(2).visible());
    EXPECT_FALSE(form.inv(2).enabled());

    back();
    EXPECT_EQ(picture(), pic::namesti1);
    EXPECT_EQ(form.state.pictureId, 1);
    EXPECT_FALSE(form.imgClona->enabled());

    select(item::kreditniKarta);
    form.showPicture(pic::story1);  // a second Zpět must not show the square again
    back();
    EXPECT_EQ(picture(), pic::story1);
    EXPECT_EQ(form.state.pictureId, 1);
    EXPECT_EQ(heldFlags(), Flags{});
}

TEST_F(ExamineTest, TwoItemsInARowThenOneZpet) {
    enterScene(13, 23, {2, 13});
    examine(item::kreditniKarta);
    examine(item::sluzebniPrukaz);
    EXPECT_EQ(picture(), pic::prukaz);
    EXPECT_EQ(form.state.pictureId, 24);
    back();
    EXPECT_EQ(form.state.pictureId, 23);
    EXPECT_EQ(picture(), pic::hospoda3);
}

TEST_F(ExamineTest, EmptyHandInTheTobacconistHidesTheHammerUntilTheSceneIsEnteredAgain) {
    enterScene(21, 39, {7, 9});
    form.showPicture(pic::trafika1);
    form.showOverlay(21, true);
    press(form.btnPruzkum);
    EXPECT_FALSE(form.cur(21).visible());
    EXPECT_TRUE(form.cur(21).enabled());  // hidden only
    EXPECT_EQ(form.state.pictureId, 39);
    back();
    EXPECT_FALSE(form.cur(21).visible());
    EXPECT_EQ(picture(), pic::trafika1);

    // With an item examined the scene's row applies and the hammer comes back.
    examine(item::kreditniKarta);
    EXPECT_EQ(form.state.pictureId, 40);
    back();
    EXPECT_TRUE(form.cur(21).visible());
    EXPECT_EQ(form.state.pictureId, 39);
}

TEST_F(ExamineTest, CloseUpsFollowTheItemsState) {
    enterScene(11, 19, {6, 7, 8});
    const struct {
        const char* caption;
        int stage;
        int magazineOut;
        int cartridgesOut;
        const char* closeUp;
    } cases[] = {
        {item::zbran, 8, 0, 0, pic::zbran},      {item::zbran, 8, 1, 0, pic::zbran2},
        {item::zasobnik, 8, 1, 0, pic::zasobnik}, {item::zasobnik, 8, 1, 1, pic::zasobnik2},
        {item::penize, 7, 0, 0, pic::penize1},   {item::penize, 8, 0, 0, pic::penize2},
        {item::penize, 23, 0, 0, pic::penize2},  {item::penize, 24, 0, 0, pic::penize3},
    };
    for (const auto& c : cases) {
        form.state.storyStage = c.stage;
        form.state.magazineOut = c.magazineOut;
        form.state.cartridgesOut = c.cartridgesOut;
        examine(c.caption);
        EXPECT_EQ(picture(), c.closeUp) << c.caption << " at " << c.stage;
        EXPECT_EQ(heldFlags(), Flags{}) << c.caption;
    }
}

TEST_F(ExamineTest, NewspaperMovesTheStoryOnOnlyAtStage25) {
    enterScene(22, 41, {2});
    form.state.storyStage = 24;
    examine(item::noviny);
    EXPECT_EQ(form.state.storyStage, 24);
    form.state.storyStage = 25;
    examine(item::noviny);
    EXPECT_EQ(form.state.storyStage, 26);
    EXPECT_EQ(picture(), pic::noviny);
}

TEST_F(ExamineTest, DuringACutsceneOnlyTheShieldAndOverlaysChange) {
    enterScene(102, 204, {2, 24});
    form.showOverlay(25, true);
    select(item::kreditniKarta);
    form.Timer2.setEnabled(true);
    form.showPicture(pic::elektr4);
    press(form.btnPruzkum);
    EXPECT_EQ(picture(), pic::elektr4);
    EXPECT_EQ(heldFlags(), Flags{app::held::CreditCard});
    EXPECT_FALSE(form.cur(25).visible());
    back();  // Zpět still empties the hand but leaves the shield to the sequence
    EXPECT_EQ(heldFlags(), Flags{});
    EXPECT_TRUE(form.imgClona->enabled());
}

TEST_F(ExamineTest, ZpetShowsTheOverlaysAgainByTheirFlags) {
    const struct {
        int scene;
        int overlay;
        std::int32_t app::GameState::*taken;
    } scenes[] = {
        {102, 25, &app::GameState::lineTaken}, {103, 26, &app::GameState::wireTaken},
        {310, 30, &app::GameState::rodTaken},  {311, 32, &app::GameState::nutTaken},
    };
    for (const auto& s : scenes)
        for (int taken : {0, 1}) {
            enterScene(s.scene, 0);
            form.state.*s.taken = taken;
            examine(item::kreditniKarta);
            back();
            EXPECT_EQ(form.cur(s.overlay).visible(), taken == 0) << s.scene;
            EXPECT_EQ(form.cur(s.overlay).enabled(), taken == 0) << s.scene;
        }

    enterScene(120, 140, {2});
    form.state.storyStage = 17;  // the lock is open: enabled but invisible
    examine(item::kreditniKarta);
    back();
    EXPECT_TRUE(form.cur(22).enabled());
    EXPECT_FALSE(form.cur(22).visible());
    EXPECT_EQ(picture(), pic::elektr3);
}

TEST_F(ExamineTest, MapOpensWithThreePlacesBeforeStage18AndFourFrom18) {
    enterScene(1, 1, {1, 6, 7});
    form.state.storyStage = 17;
    examine(item::mapa);
    EXPECT_EQ(picture(), pic::mapa);
    EXPECT_EQ(form.state.returnMode, 1);
    EXPECT_EQ(enabledHotspots(), std::vector<int>{});
    EXPECT_TRUE(form.map(1).enabled() && form.map(2).enabled() && form.map(3).enabled());
    EXPECT_FALSE(form.map(4).enabled());
    EXPECT_FALSE(form.imgClona->enabled());
    EXPECT_EQ(form.state.pictureId, 1);
    EXPECT_EQ(form.state.sceneId, 1);

    form.state.storyStage = 18;
    enterScene(1, 1, {1, 6, 7});
    examine(item::mapa);
    EXPECT_EQ(form.state.returnMode, 2);
    EXPECT_TRUE(form.map(4).enabled());
    EXPECT_TRUE(form.map(4).visible());
    EXPECT_EQ(form.map(4).picture(), pic::maptov);

    // Zpět keeps the map: it is left only through a place on it.
    select(item::kreditniKarta);
    back();
    EXPECT_EQ(picture(), pic::mapa);
    EXPECT_EQ(heldFlags(), Flags{});
    for (int n = 1; n <= 4; ++n) EXPECT_TRUE(form.map(n).enabled()) << n;
}

TEST_F(ExamineTest, CloseUpOverTheOpenMapReturnsToTheMapNotToTheScene) {
    form.state.storyStage = 18;
    for (int scene : {100, 102}) {  // one scene tested before the map rows, one after them
        enterScene(scene, 0, {2, 24});
        examine(item::mapa);
        ASSERT_EQ(form.state.returnMode, 2);
        examine(item::kreditniKarta);
        EXPECT_EQ(picture(), pic::karta);
        back();
        EXPECT_EQ(picture(), pic::mapa) << scene;
        EXPECT_EQ(enabledHotspots(), std::vector<int>{}) << scene;  // no nail or line put back on the map
        EXPECT_FALSE(form.cur(17).visible() || form.cur(25).visible()) << scene;
        for (int n = 1; n <= 4; ++n) EXPECT_TRUE(form.map(n).enabled()) << n;
        EXPECT_TRUE(form.map(4).visible());
        ASSERT_TRUE(clickMapSpot(1));
        EXPECT_EQ(form.state.pictureId, 1);
    }
}

TEST_F(ExamineTest, MapStaysFoldedDuringTheEscapeAndInTheSecretPassage) {
    for (auto [stage, scene] : {std::pair{36, 14}, {37, 14}, {38, 15}, {30, 6}, {30, 7}, {30, 8}, {30, 9}}) {
        form.state.storyStage = stage;
        enterScene(scene, 0, {2});
        form.showPicture(pic::pokoj1);
        examine(item::mapa);
        EXPECT_EQ(picture(), pic::pokoj1) << stage << " " << scene;
        EXPECT_EQ(form.state.returnMode, 0);
        EXPECT_EQ(enabledHotspots(), std::vector<int>{2});
        EXPECT_FALSE(form.map(1).enabled());
        EXPECT_FALSE(form.imgClona->enabled());
        EXPECT_EQ(heldFlags(), Flags{});
    }
}

TEST_F(ExamineTest, MissingCloseUpIsReportedOnceAndTheExamineCarriesOn) {
    enterScene(1, 1);
    platform.missingPictures.insert(pic::karta);
    const std::size_t before = platform.messages.size();
    examine(item::kreditniKarta);
    examine(item::kreditniKarta);
    EXPECT_EQ(form.state.pictureId, 2);
    EXPECT_EQ(heldFlags(), Flags{});
    ASSERT_EQ(platform.messages.size(), before + 1);
    EXPECT_NE(platform.messages.back().find(pic::karta), std::string::npos);
}

}  // namespace
