// The first chapter walked beat by beat: the opening, the mayor, the inn, the room and back.
#include "story_fixture.hpp"

#include "app/data_files.hpp"
#include "inventory/item_names.hpp"

namespace {

class ArrivalChapterTest : public kvtest::StoryTest {};

const std::initializer_list<const char*> kStartingItems = {item::sluzebniPrukaz, item::kreditniKarta, item::zbran,
                                                           item::zapisnik, item::mobilniTelefon};

bool startsWith(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }

TEST_F(ArrivalChapterTest, OpeningShowsThreePicturesThenTheNewsUntilTheSquareClearsIt) {
    form.mmNovaClick();
    beat();
    EXPECT_EQ(picture(), pic::story1);
    runTo(4);
    EXPECT_EQ(picture(), pic::story2);
    runTo(8);
    EXPECT_EQ(picture(), pic::story3);
    runTo(10);
    EXPECT_EQ(line(), "") << "no line before the news";
    runTo(11);
    EXPECT_EQ(picture(), pic::tv);
    const std::string news = line();
    EXPECT_EQ(lineBreaks(), 1);
    EXPECT_TRUE(startsWith(news, "Už dva dny")) << "the news has no speaker";
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
    for (const ui::Component* button : {&form.btnZpet, &form.btnPruzkum, &form.btnSpojit}) {
        EXPECT_TRUE(button->enabled());
        EXPECT_TRUE(button->visible());
    }
    EXPECT_TRUE(form.lbPredmety.enabled());
    EXPECT_TRUE(form.lbPredmety.visible());
    EXPECT_EQ(inventory(), (std::vector<std::string>{item::kreditniKarta, item::mobilniTelefon, item::sluzebniPrukaz,
                                                     item::zapisnik, item::zbran}));
    EXPECT_EQ(form.state.itemCount, 5);
    EXPECT_EQ(form.inv(1).picture(), pic::prukaz_mini);
    EXPECT_EQ(form.inv(7).picture(), pic::penize1_mini);
    EXPECT_EQ(form.inv(17).picture(), pic::matka_vlasec_mini);
    EXPECT_TRUE(form.imgHlavni->enabled());

    // The caption ends ten seconds later and hands the scene to the player.
    clock.advance(10'000);
    EXPECT_FALSE(form.TimerX.enabled());
    EXPECT_FALSE(form.imgClona->enabled());
    EXPECT_EQ(form.state.storyTick, 21);
}

TEST_F(ArrivalChapterTest, MayorWithoutTheCardAsksForProofEveryTime) {
    playerAt(0, {1, 5, 6}, kStartingItems);
    for (int visit = 0; visit < 2; ++visit) {
        form.startCutscene(22);
        EXPECT_EQ(line(), "") << "nothing new until one beat after the click";
        beat();
        EXPECT_TRUE(startsWith(line(), "Kovář:"));
        runTo(31);
        EXPECT_TRUE(startsWith(line(), "Kovář:"));
        runTo(32);
        EXPECT_TRUE(startsWith(line(), "Starosta:"));
        runTo(37);
        expectPause(37, 1);
        EXPECT_EQ(enabledHotspots(), (std::vector<int>{1, 5, 6}));
    }
}

TEST_F(ArrivalChapterTest, MayorShownTheCardSendsTheAgentToTheInn) {
    playerAt(1, {1, 5, 6}, kStartingItems);
    form.startCutscene(37);
    beat();
    EXPECT_TRUE(startsWith(line(), "Starosta : ")) << "this line sets its colon between spaces";
    EXPECT_EQ(lineBreaks(), 1);
    runTo(49);
    EXPECT_TRUE(startsWith(line(), "Kovář:"));
    EXPECT_EQ(lineBreaks(), 1);
    runTo(68);
    EXPECT_EQ(line(), "Starosta:Na shledanou.");
    runTo(71);
    expectPause(71, 2);
    EXPECT_EQ(enabledHotspots(), (std::vector<int>{1, 6}));
    clock.advance(10'000);
    EXPECT_EQ(form.state.storyTick, 71) << "the clock never reaches the rest of the range";
}

TEST_F(ArrivalChapterTest, InnkeeperPointsToTheReceptionThatOpensNext) {
    playerAt(2, {7, 9, 10}, kStartingItems);
    form.startCutscene(73);
    beat();
    EXPECT_TRUE(startsWith(line(), "Kovář:"));
    runTo(80);
    EXPECT_TRUE(startsWith(line(), "Hostinský:"));
    runTo(85);
    expectPause(85, 3);
    EXPECT_EQ(enabledHotspots(), (std::vector<int>{7, 9, 11}));
}

TEST_F(ArrivalChapterTest, ReceptionParksTheClockAtTheRoomDoorWithTheGapKeepingTheThanks) {
    playerAt(3, {12}, kStartingItems);
    form.state.storyTick = 85;
    form.resumeStoryClock();
    beat();
    EXPECT_TRUE(startsWith(line(), "Kovář:"));
    runTo(93);
    EXPECT_TRUE(startsWith(line(), "Recepční:"));
    runTo(122);
    const std::string thanks = line();
    EXPECT_TRUE(startsWith(thanks, "Kovář:"));
    runTo(123);
    EXPECT_EQ(line(), thanks);
    runTo(124);
    EXPECT_EQ(line(), "Recepční:Na shledanou.");
    runTo(125);
    beat();  // tick 126
    expectPause(127, 4);
    EXPECT_EQ(enabledHotspots(), (std::vector<int>{13}));

    // Whichever of the two ticks runs, the clock parks at 127.
    form.startCutscene(126);
    beat();
    expectPause(127, 4);
}

TEST_F(ArrivalChapterTest, RoomKeepsTheNotebookWithItsSoundOnTheFirstTickOnly) {
    playerAt(4, {13}, kStartingItems);
    form.setHeld(app::held::ServiceCard, 1);
    form.inv(1).setVisible(true);
    form.state.storyTick = 127;
    form.resumeStoryClock();
    beat();
    EXPECT_TRUE(startsWith(line(), "Kovář(pro sebe):"));
    EXPECT_EQ(sounds(), (std::vector<std::string>{snd::zapisnik}));
    EXPECT_EQ(inventory(), (std::vector<std::string>{item::kreditniKarta, item::mobilniTelefon, item::sluzebniPrukaz,
                                                     item::zbran}));
    EXPECT_EQ(form.state.itemCount, 4);
    EXPECT_EQ(form.state.notebookCarried, 0);
    EXPECT_EQ(form.state.notebookLeft, 1);
    runTo(132);
    EXPECT_EQ(sounds().size(), 1u);
    EXPECT_EQ(form.state.itemCount, 4) << "removed once, not once per tick";
    const std::string remark = line();
    runTo(133);
    EXPECT_EQ(line(), remark);
    runTo(134);
    expectPause(134, 5);
    EXPECT_EQ(picture(), pic::pokoj1a);
    EXPECT_FALSE(form.inv(6).enabled());
    EXPECT_FALSE(form.inv(6).visible());
    EXPECT_TRUE(heldFlags().empty());
    EXPECT_FALSE(form.inv(1).visible());
}

TEST_F(ArrivalChapterTest, RoomStaysSilentWhenSoundIsOffAtItsFirstTick) {
    playerAt(4, {13}, kStartingItems);
    form.state.soundOn = 0;
    form.state.storyTick = 127;
    form.resumeStoryClock();
    beat();
    form.state.soundOn = 1;
    runTo(134);
    EXPECT_TRUE(sounds().empty());
    EXPECT_EQ(form.state.itemCount, 4) << "the notebook is left all the same";
}

TEST_F(ArrivalChapterTest, RoomNeverTakesTheNotebookAgainOnceItWasLeft) {
    playerAt(4, {13}, kStartingItems);
    form.state.notebookLeft = 1;
    form.state.storyTick = 127;
    form.resumeStoryClock();
    runTo(134);
    EXPECT_EQ(form.state.itemCount, 5);
    EXPECT_EQ(inventory().size(), 5u);
}

TEST_F(ArrivalChapterTest, MayorAgainPointsToTheCashMachine) {
    playerAt(5, {1, 5, 6}, {item::sluzebniPrukaz, item::kreditniKarta, item::zbran, item::mobilniTelefon});
    form.state.storyTick = 134;
    form.resumeStoryClock();
    beat();
    EXPECT_TRUE(startsWith(line(), "Kovář:"));
    runTo(148);
    EXPECT_TRUE(startsWith(line(), "Starosta:"));
    runTo(153);
    expectPause(153, 6);
    EXPECT_EQ(enabledHotspots(), (std::vector<int>{1, 5, 6}));
}

}  // namespace
