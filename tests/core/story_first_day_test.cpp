// The second chapter walked beat by beat: cash machine, map, power plant, factory, the evening and the night.
#include "story_fixture.hpp"

#include "app/data_files.hpp"
#include "checkpoint/checkpoint_file.hpp"
#include "inventory/item_names.hpp"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace {

class FirstDayChapterTest : public kvtest::StoryTest {
protected:
    [[nodiscard]] bool carries(const char* caption) const {
        const auto items = inventory();
        return std::find(items.begin(), items.end(), caption) != items.end();
    }
    [[nodiscard]] std::string checkpointContent() const {
        std::ifstream in(checkpointFile(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
};

bool startsWith(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }

const std::initializer_list<const char*> kAfterTheCashMachine = {item::sluzebniPrukaz, item::zbran,
                                                                 item::mobilniTelefon};

TEST_F(FirstDayChapterTest, CashMachineSoundsOnceAtItsTickAndPaysOut) {
    playerAt(6, {14, 15}, kAfterTheCashMachine);
    form.startCutscene(153);
    beat();
    EXPECT_TRUE(startsWith(line(), "Kovář(pro sebe):"));
    runTo(163);
    EXPECT_TRUE(sounds().empty());
    const std::string done = line();
    runTo(164);
    EXPECT_EQ(line(), done) << "the line of 160 to 164 stays while the machine sounds";
    EXPECT_EQ(sounds(), (std::vector<std::string>{snd::bankomat}));
    EXPECT_EQ(form.state.atmSoundPlayed, 1);
    runTo(169);
    EXPECT_EQ(sounds().size(), 1u);
    runTo(170);
    expectPause(170, 7);
    EXPECT_TRUE(carries(item::penize));
    EXPECT_EQ(form.state.itemCount, 4);
    EXPECT_EQ(form.state.cashPaidOut, 1);
}

TEST_F(FirstDayChapterTest, CashMachineStaysSilentWhenSoundIsOffAtItsTick) {
    playerAt(6, {14, 15}, kAfterTheCashMachine);
    form.state.soundOn = 0;
    form.startCutscene(153);
    runTo(164);
    form.state.soundOn = 1;
    runTo(170);
    EXPECT_TRUE(sounds().empty());
    EXPECT_EQ(form.state.atmSoundPlayed, 0);
}

TEST_F(FirstDayChapterTest, MapSaleRingsTheTillShowsFiftyAndCostsMoney) {
    playerAt(7, {14, 16}, {item::sluzebniPrukaz, item::zbran, item::mobilniTelefon, item::penize});
    form.setHeld(app::held::Money, 1);
    form.startCutscene(170);
    beat();
    EXPECT_TRUE(startsWith(line(), "Kovář:"));
    runTo(184);
    EXPECT_TRUE(sounds().empty());
    EXPECT_FALSE(form.lblkasa1->visible());
    runTo(185);
    EXPECT_TRUE(startsWith(line(), "Prodavačka:"));
    EXPECT_EQ(sounds(), (std::vector<std::string>{snd::kasa}));
    for (auto [label, digit] : {std::pair{form.lblkasa1, "5"}, std::pair{form.lblkasa2, "0"}}) {
        EXPECT_TRUE(label->enabled());
        EXPECT_TRUE(label->visible());
        EXPECT_EQ(label->text(), digit);
    }
    runTo(195);
    expectPause(195, 8);
    EXPECT_EQ(sounds().size(), 1u);
    EXPECT_EQ(form.inv(7).picture(), pic::penize2_mini);
    EXPECT_TRUE(carries(item::mapa));
    EXPECT_EQ(form.state.itemCount, 5);
    EXPECT_EQ(enabledHotspots(), (std::vector<int>{14}));
    EXPECT_TRUE(heldFlags().empty());
    EXPECT_TRUE(form.lblkasa1->visible()) << "the till keeps its price until the agent leaves";
}

TEST_F(FirstDayChapterTest, PowerPlantArrivalAndTheMaintenanceMansTwoConversations) {
    playerAt(8, {19}, kAfterTheCashMachine);
    form.state.storyTick = 195;
    form.resumeStoryClock();
    beat();
    EXPECT_TRUE(startsWith(line(), "Kovář(pro sebe):"));
    runTo(200);
    expectPause(200, 8);

    form.startCutscene(200);
    beat();
    EXPECT_TRUE(startsWith(line(), "Kovář:"));
    runTo(205);
    EXPECT_TRUE(startsWith(line(), "Údržbář:"));
    runTo(220);
    expectPause(220, 9);

    form.startCutscene(220);
    beat();
    EXPECT_TRUE(startsWith(line(), "Údržbář:"));
    runTo(236);
    expectPause(236, 10);
    EXPECT_EQ(enabledHotspots(), (std::vector<int>{19, 20}));

    form.resumeStoryClock();
    beat();
    EXPECT_TRUE(startsWith(line(), "Kovář(pro sebe):"));
    runTo(241);
    expectPause(241, 11);
}

TEST_F(FirstDayChapterTest, HammerDrivesTheNailInAndTheLockShowsIt) {
    playerAt(13, {18, 22}, kAfterTheCashMachine);
    form.setHeld(app::held::Hammer, 1);
    form.inv(10).setVisible(true);
    form.state.storyTick = 241;
    form.resumeStoryClock();
    beat();
    EXPECT_EQ(picture(), pic::story4);
    EXPECT_EQ(line(), "");
    EXPECT_TRUE(heldFlags().empty());
    EXPECT_FALSE(form.inv(10).visible());
    runTo(245);
    EXPECT_EQ(sounds(), (std::vector<std::string>{snd::kladivo}));
    EXPECT_TRUE(startsWith(line(), "Kovář(pro sebe):"));
    runTo(248);
    EXPECT_EQ(sounds().size(), 1u);
    form.cur(22).setVisible(false);
    runTo(249);
    expectPause(249, 14);
    EXPECT_EQ(picture(), pic::elektr3);
    EXPECT_TRUE(form.cur(22).enabled());
    EXPECT_TRUE(form.cur(22).visible());
    EXPECT_EQ(form.cur(22).picture(), pic::el1);
}

TEST_F(FirstDayChapterTest, HammerFiresTheCartridgeAndOpensTheLock) {
    playerAt(17, {18, 22}, kAfterTheCashMachine);
    form.setHeld(app::held::Hammer, 1);
    form.state.storyTick = 249;
    form.resumeStoryClock();
    beat();
    EXPECT_EQ(picture(), pic::story5);
    EXPECT_TRUE(heldFlags().empty());
    runTo(254);
    EXPECT_EQ(picture(), pic::story5);
    EXPECT_EQ(sounds(), (std::vector<std::string>{snd::strelba}));
    EXPECT_EQ(line(), "Kovář(pro sebe):Hotovo.");
    runTo(259);
    expectPause(259, 17);
    EXPECT_EQ(sounds().size(), 1u);
    EXPECT_EQ(picture(), pic::elektr3);
    EXPECT_FALSE(form.cur(22).enabled());
    EXPECT_FALSE(form.cur(22).visible());
}

TEST_F(FirstDayChapterTest, MaintenanceManTellsOfTheFactoryAndTheMapOpensIt) {
    playerAt(17, {18, 19, 20}, kAfterTheCashMachine);
    form.state.storyTick = 259;
    form.resumeStoryClock();
    beat();
    EXPECT_TRUE(startsWith(line(), "Kovář:"));
    runTo(279);
    EXPECT_TRUE(startsWith(line(), "Údržbář:"));
    runTo(290);
    expectPause(290, 18);
    EXPECT_EQ(enabledHotspots(), (std::vector<int>{18, 23}));
}

TEST_F(FirstDayChapterTest, FactoryArrivalKeepsItsLineOverTheGapThenTheDirectorTalks) {
    playerAt(18, {27, 28}, kAfterTheCashMachine);
    form.state.storyTick = 290;
    form.resumeStoryClock();
    runTo(296);
    const std::string arrival = line();
    EXPECT_TRUE(startsWith(arrival, "Kovář(pro sebe):"));
    runTo(297);
    EXPECT_EQ(line(), arrival);
    runTo(298);
    expectPause(298, 19);

    form.startCutscene(298);
    beat();
    EXPECT_TRUE(startsWith(line(), "Kovář:"));
    runTo(307);
    EXPECT_TRUE(startsWith(line(), "Ředitel:"));
    runTo(328);
    expectPause(328, 20);
    EXPECT_EQ(enabledHotspots(), (std::vector<int>{27}));

    form.startCutscene(328);
    beat();
    EXPECT_TRUE(startsWith(line(), "Kovář:"));
    runTo(333);
    EXPECT_TRUE(startsWith(line(), "Hostinský:"));
    runTo(340);
    expectPause(340, 21);
}

TEST_F(FirstDayChapterTest, EveningRunsWithoutAPauseThroughTheNightIntoTheSecondMorning) {
    playerAt(21, {7, 9, 33}, {item::sluzebniPrukaz, item::zbran, item::mapa, item::penize});
    form.state.tillSoundPlayed = 1;
    ASSERT_FALSE(form.mmNahrat->enabled());
    form.startCutscene(340);
    beat();
    EXPECT_TRUE(startsWith(line(), "Kovář:"));
    runTo(346);
    EXPECT_TRUE(startsWith(line(), "Opilec 1:"));
    runTo(349);
    EXPECT_TRUE(startsWith(line(), "Opilec 2:"));
    runTo(352);
    EXPECT_EQ(form.state.storyStage, 22);
    EXPECT_EQ(picture(), pic::hospoda4a);
    EXPECT_EQ(line(), "");
    EXPECT_TRUE(enabledHotspots().empty());
    runTo(363);
    EXPECT_TRUE(startsWith(line(), "Opilec 1:"));
    EXPECT_EQ(lineBreaks(), 1);
    runTo(385);
    EXPECT_EQ(form.state.storyStage, 23);
    EXPECT_EQ(line(), "");
    runTo(388);
    EXPECT_EQ(picture(), pic::story6);
    runTo(391);
    EXPECT_EQ(picture(), pic::hospoda4b);
    runTo(392);
    EXPECT_TRUE(startsWith(line(), "Kovář:"));
    runTo(396);
    EXPECT_EQ(picture(), pic::story7);
    EXPECT_EQ(line(), "");
    runTo(400);
    EXPECT_EQ(picture(), pic::story8);
    EXPECT_TRUE(startsWith(line(), "Kovář:"));
    runTo(403);
    EXPECT_EQ(picture(), pic::story8);
    EXPECT_EQ(line(), "");
    runTo(407);
    EXPECT_TRUE(startsWith(line(), "Kovář(pro sebe):"));
    EXPECT_FALSE(std::filesystem::exists(checkpointFile()));
    EXPECT_FALSE(form.mmNahrat->enabled());
    runTo(408);
    EXPECT_EQ(picture(), pic::story9);
    EXPECT_EQ(line(), "");
    EXPECT_EQ(checkpointContent(), "1");
    EXPECT_TRUE(form.mmNahrat->enabled());
    runTo(411);
    EXPECT_EQ(checkpointContent(), "1");
    EXPECT_TRUE(platform.messages.empty());

    runTo(412);
    EXPECT_FALSE(form.Timer.enabled());
    EXPECT_EQ(form.state.storyStage, 24);
    EXPECT_EQ(form.inv(7).picture(), pic::penize3_mini);
    EXPECT_EQ(picture(), pic::pokoj1a);
    EXPECT_EQ(enabledHotspots(), (std::vector<int>{2}));
    EXPECT_EQ(form.state.sceneId, 14);
    EXPECT_EQ(form.state.pictureId, 26);
    EXPECT_TRUE(form.lblX->enabled());
    EXPECT_EQ(form.state.sequenceStep, 100);
    EXPECT_EQ(form.state.tillSoundPlayed, 0) << "the till may ring again in the morning";
    EXPECT_TRUE(form.TimerX.enabled());
    EXPECT_TRUE(form.imgClona->enabled()) << "raised again for the caption";

    clock.advance(10'000);
    EXPECT_EQ(form.state.sequenceStep, 200);
    EXPECT_FALSE(form.imgClona->enabled());
    EXPECT_EQ(form.state.storyTick, 412);
}

TEST_F(FirstDayChapterTest, NightReportsAFailedCheckpointWriteOnEachTickAndStillOffersContinuing) {
    playerAt(22, {}, {item::sluzebniPrukaz});
    form.checkpointPath = (dir.path() / "no-such-directory" / "data.dat").string();
    form.state.storyTick = 407;
    form.resumeStoryClock();
    runTo(411);
    EXPECT_EQ(platform.messages, std::vector<std::string>(4, checkpoint::kCannotOpen));
    EXPECT_TRUE(form.mmNahrat->enabled());
}

}  // namespace
