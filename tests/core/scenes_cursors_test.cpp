// The cursor each hotspot shows, the story-dependent ones, and the held picture they hide.
#include "form_fixture.hpp"

#include <tuple>
#include "inventory/item_names.hpp"

namespace {

class CursorTest : public kvtest::FormTest {
protected:
    CursorTest() {
        takeControl(0);
        carry({item::sluzebniPrukaz, item::tyc, item::mapa});
    }
    // The hotspot's cursor after a move over it, and whether the held picture stayed visible.
    int cursorOver(int n) {
        form.imgHlavniMouseMove(10, 10);
        form.imgCurMouseMove(n);
        return form.cur(n).cursor();
    }
};

TEST_F(CursorTest, FixedCursorsByKindOfPlace) {
    using namespace app;
    const std::vector<std::pair<int, int>> expected = {
        {1, kCursorUp},     {2, kCursorDown},  {3, kCursorUp},    {6, kCursorRight}, {7, kCursorLeft},
        {10, kCursorTalk},  {14, kCursorUp},   {15, kCursorHand}, {20, kCursorRight}, {21, kCursorHand},
        {29, kCursorLeft},  {31, kCursorRight}, {33, kCursorRight}, {35, kCursorTalk}, {40, kCursorHand},
        {44, kCursorTalk},  {45, kCursorRight}, {46, kCursorUp},
    };
    select(item::mapa);
    for (auto [n, cursor] : expected) {
        EXPECT_EQ(cursorOver(n), cursor) << "imgCur" << n;
        EXPECT_FALSE(form.inv(8).visible()) << "imgCur" << n;
    }
    for (int n = 1; n <= 4; ++n) {
        form.imgHlavniMouseMove(10, 10);
        form.imgMapMouseMove(n);
        EXPECT_EQ(form.map(n).cursor(), kCursorUp);
        EXPECT_FALSE(form.inv(8).visible());
    }
}

TEST_F(CursorTest, MayorAndMaintenanceManShowTheHandOnlyForTheCardAtTheirStage) {
    for (auto [n, talk, card, later] : {std::tuple{5, 0, 1, 5}, {19, 8, 9, 17}}) {
        form.state.storyStage = talk;
        EXPECT_EQ(cursorOver(n), app::kCursorTalk) << n;
        form.state.storyStage = card;
        EXPECT_EQ(cursorOver(n), app::kCursorTalk) << n;
        select(item::sluzebniPrukaz);
        EXPECT_EQ(cursorOver(n), app::kCursorHand) << n;
        selectNone();
        EXPECT_EQ(cursorOver(n), app::kCursorTalk) << n;
        form.state.storyStage = later;
        EXPECT_EQ(cursorOver(n), app::kCursorTalk) << n;
        form.state.storyStage = 2;
        EXPECT_EQ(cursorOver(n), app::kCursorDefault) << n;
    }
}

TEST_F(CursorTest, NailShowsTheHandOnlyWhileItLiesThere) {
    EXPECT_EQ(cursorOver(17), app::kCursorHand);
    form.state.nailTaken = 1;
    EXPECT_EQ(cursorOver(17), app::kCursorDefault);
}

TEST_F(CursorTest, BarDoorWantsTheRodButHidesAnyHeldPicture) {
    select(item::mapa);
    EXPECT_EQ(cursorOver(47), app::kCursorDefault);
    EXPECT_FALSE(form.inv(8).visible());
    select(item::tyc);
    EXPECT_EQ(cursorOver(47), app::kCursorHand);
    EXPECT_FALSE(form.inv(13).visible());
    select(item::mapa);
    EXPECT_EQ(cursorOver(47), app::kCursorHand);  // unchanged without the rod
}

}  // namespace
