// The first chapter's own steps: the opening and arrival, the parked clock and leaving the notebook.
#include "story_fixture.hpp"

#include "app/data_files.hpp"
#include "inventory/item_names.hpp"

namespace {

class ArrivalChapterTest : public kvtest::StoryTest {};

const std::initializer_list<const char*> kStartingItems = {item::sluzebniPrukaz, item::kreditniKarta, item::zbran,
                                                           item::zapisnik, item::mobilniTelefon};

TEST_F(ArrivalChapterTest, OpeningShowsThreePicturesAndTheNewsThenArrivesOnTheSquare) {
    form.mmNovaClick();
    expectPictures(0, {{1, pic::story1}, {4, pic::story2}, {8, pic::story3}, {10, pic::story3}});
    EXPECT_EQ(line(), "") << "no line before the news";
    runTo(11);
    EXPECT_EQ(picture(), pic::tv);
    const std::string news = line();
    EXPECT_EQ(news.rfind("Již dva dny", 0), 0u) << "the news has no speaker";
    EXPECT_EQ(lineBreaks(), 1);
    runTo(20);
    EXPECT_EQ(line(), news);

    form.Timer2.setEnabled(true);  // the arrival stops a remark clock too
    runTo(21);
    EXPECT_EQ(picture(), pic::namesti1);
    EXPECT_EQ(line(), "");
    EXPECT_FALSE(form.Timer.enabled());
    EXPECT_FALSE(form.Timer2.enabled());
    EXPECT_TRUE(form.TimerX.enabled());
    EXPECT_TRUE(form.lblX->enabled());
    EXPECT_TRUE(form.imgClona->enabled()) << "the shield waits for the caption";
    EXPECT_EQ(form.state.sceneId, 1);
    EXPECT_EQ(form.state.storyStage, 0);
    EXPECT_EQ(enabledHotspots(), (std::vector<int>{1, 6}));
    for (const ui::Component* button : {&form.btnZpet, &form.btnPruzkum, &form.btnSpojit})
        EXPECT_TRUE(button->enabled() && button->visible());
    EXPECT_TRUE(form.lbPredmety.enabled() && form.lbPredmety.visible());
    EXPECT_EQ(inventory(), (std::vector<std::string>{item::kreditniKarta, item::mobilniTelefon, item::sluzebniPrukaz,
                                                     item::zapisnik, item::zbran}));
    EXPECT_EQ(form.state.itemCount, 5);
    EXPECT_EQ(form.inv(7).picture(), pic::penize1_mini);
    EXPECT_TRUE(form.imgHlavni->enabled());

    clock.advance(10'000);  // the caption ends and hands the scene to the player
    EXPECT_FALSE(form.imgClona->enabled());
    EXPECT_EQ(form.state.storyTick, 21);
}

TEST_F(ArrivalChapterTest, ReceptionParksTheClockAt127FromEitherOfItsLastTicks) {
    for (int start : {125, 126}) {
        playerAt(3, {12}, kStartingItems);
        form.startCutscene(start);
        beat();
        EXPECT_EQ(form.state.storyTick, 127);
        EXPECT_FALSE(form.Timer.enabled());
    }
}

TEST_F(ArrivalChapterTest, RoomTakesTheNotebookOnceAndItsSoundOnlyOnTheFirstTick) {
    playerAt(4, {13}, kStartingItems);
    form.setHeld(app::held::ServiceCard, 1);
    form.inv(1).setVisible(true);
    form.startCutscene(127);
    beat();
    EXPECT_EQ(sounds(), (std::vector<std::string>{snd::zapisnik}));
    EXPECT_EQ(entries(item::zapisnik), 0);
    EXPECT_EQ(form.state.itemCount, 4);
    EXPECT_EQ(form.state.notebookCarried, 0);
    EXPECT_EQ(form.state.notebookLeft, 1);
    runTo(134);
    EXPECT_EQ(sounds().size(), 1u);
    EXPECT_EQ(form.state.itemCount, 4) << "removed once, not once per tick";
    EXPECT_EQ(picture(), pic::pokoj1a);
    EXPECT_FALSE(form.inv(6).enabled() || form.inv(6).visible());
    EXPECT_TRUE(heldFlags().empty());
    EXPECT_FALSE(form.inv(1).visible());
}

TEST_F(ArrivalChapterTest, RoomIsSilentWhenSoundIsOffAtItsFirstTickAndKeepsANotebookAlreadyLeft) {
    playerAt(4, {13}, kStartingItems);
    form.state.soundOn = 0;
    form.startCutscene(127);
    beat();
    form.state.soundOn = 1;
    runTo(134);
    EXPECT_TRUE(sounds().empty());
    EXPECT_EQ(form.state.itemCount, 4) << "the notebook is left all the same";

    playerAt(4, {13}, kStartingItems);
    form.state.notebookLeft = 1;  // as after continuing
    form.startCutscene(127);
    runTo(134);
    EXPECT_EQ(entries(item::zapisnik), 1);
    EXPECT_EQ(form.state.itemCount, 5);
}

}  // namespace
