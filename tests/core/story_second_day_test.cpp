// The third chapter walked beat by beat: the newspaper, the well, the office, the escape, the passage and the end.
#include "story_fixture.hpp"

#include "app/data_files.hpp"
#include "inventory/item_names.hpp"

#include <algorithm>

namespace {

class SecondDayChapterTest : public kvtest::StoryTest {
protected:
    [[nodiscard]] long entries(const char* caption) const {
        const auto items = inventory();
        return std::count(items.begin(), items.end(), caption);
    }
};

bool startsWith(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }

// What the agent carries on the second morning.
const std::initializer_list<const char*> kMorningItems = {
    item::sluzebniPrukaz, item::zbran, item::zasobnik, item::naboje, item::kladivo, item::penize, item::mapa,
    item::hrebik,         item::vlasec, item::drat,    item::tyc,    item::matka,   item::mobilniTelefon,
};

TEST_F(SecondDayChapterTest, NewspaperRingsTheTillAgainAndTradesTheMoneyForThePaper) {
    playerAt(24, {1, 16}, kMorningItems);
    form.startCutscene(412);
    beat();
    EXPECT_TRUE(startsWith(line(), "Kovář:"));
    runTo(417);
    EXPECT_TRUE(sounds().empty());
    runTo(418);
    EXPECT_TRUE(startsWith(line(), "Prodavačka:"));
    EXPECT_EQ(sounds(), (std::vector<std::string>{snd::kasa}));
    EXPECT_EQ(form.lblkasa1->text(), "1");
    EXPECT_EQ(form.lblkasa2->text(), "0");
    EXPECT_TRUE(form.lblkasa1->visible());
    EXPECT_TRUE(form.lblkasa2->enabled());
    runTo(426);
    expectPause(426, 25);
    EXPECT_EQ(sounds().size(), 1u);
    EXPECT_EQ(enabledHotspots(), (std::vector<int>{1}));
    EXPECT_EQ(entries(item::penize), 0);
    EXPECT_EQ(entries(item::noviny), 1);
    EXPECT_EQ(form.state.itemCount, 13);
}

TEST_F(SecondDayChapterTest, TillStaysSilentWhenItAlreadyRangThisRun) {
    playerAt(24, {16}, kMorningItems);
    form.state.tillSoundPlayed = 1;
    form.startCutscene(412);
    runTo(426);
    EXPECT_TRUE(sounds().empty());
}

TEST_F(SecondDayChapterTest, NewspaperComesEvenWhenTheMoneyLiesBeyondTheTwelfthEntryOrIsGone) {
    // Four wires sort before the money and push it to position 12, out of reach.
    playerAt(24, {16}, {item::drat, item::drat, item::drat, item::drat, item::hrebik, item::kladivo,
                        item::kreditniKarta, item::mapa, item::matka, item::mobilniTelefon, item::naboje,
                        item::noviny, item::penize});
    form.startCutscene(412);
    runTo(426);
    EXPECT_EQ(entries(item::penize), 1);
    EXPECT_EQ(entries(item::noviny), 2);
    EXPECT_EQ(form.state.itemCount, 13) << "one down and one up whether or not the money was found";

    playerAt(24, {16}, {item::sluzebniPrukaz, item::mapa});
    form.startCutscene(412);
    runTo(426);
    EXPECT_EQ(inventory(), (std::vector<std::string>{item::mapa, item::noviny, item::sluzebniPrukaz}));
    EXPECT_EQ(form.state.itemCount, 2);
}

TEST_F(SecondDayChapterTest, DirectorThenTheWorkersThenTheWell) {
    playerAt(26, {28, 31, 34}, kMorningItems);
    form.startCutscene(426);
    beat();
    EXPECT_TRUE(startsWith(line(), "Kovář:"));
    runTo(433);
    EXPECT_TRUE(startsWith(line(), "Ředitel:"));
    runTo(447);
    expectPause(447, 27);
    EXPECT_EQ(enabledHotspots(), (std::vector<int>{31, 34}));

    form.startCutscene(447);
    beat();
    EXPECT_TRUE(startsWith(line(), "Muž 1:"));
    runTo(454);
    EXPECT_TRUE(startsWith(line(), "Muž 2:"));
    runTo(464);
    expectPause(464, 28);

    form.startCutscene(464);
    beat();
    EXPECT_EQ(picture(), pic::story10);
    EXPECT_TRUE(startsWith(line(), " Kovář(pro sebe):")) << "the well's line begins with one space";
    runTo(470);
    runTo(471);
    expectPause(471, 29);
    EXPECT_EQ(picture(), pic::namesti1);
    EXPECT_EQ(enabledHotspots(), (std::vector<int>{31}));
}

TEST_F(SecondDayChapterTest, MadmanGruntsAndTellsOfTheApples) {
    playerAt(29, {35}, kMorningItems);
    form.startCutscene(471);
    beat();
    EXPECT_TRUE(startsWith(line(), "Kovář:"));
    for (int tick : {477, 485, 491, 500, 505}) {
        runTo(tick);
        EXPECT_TRUE(startsWith(line(), "Blázen:")) << "tick " << tick;
    }
    runTo(511);
    expectPause(511, 30);
    EXPECT_TRUE(enabledHotspots().empty());
}

TEST_F(SecondDayChapterTest, OfficeLockButtonAndTheSecretEntranceThatCanBeReplayed) {
    playerAt(30, {4, 38}, kMorningItems);
    form.startCutscene(511);
    beat();
    EXPECT_TRUE(startsWith(line(), "Kovář(pro sebe):"));
    runTo(517);
    expectPause(517, 31);
    EXPECT_EQ(enabledHotspots(), (std::vector<int>{4, 36, 38}));

    form.setHeld(app::held::Wire, 1);
    form.startCutscene(517);
    runTo(518);
    EXPECT_TRUE(startsWith(line(), "Kovář(pro sebe):"));
    runTo(521);
    expectPause(521, 32);
    EXPECT_EQ(enabledHotspots(), (std::vector<int>{4, 38}));
    EXPECT_TRUE(heldFlags().empty());

    form.startCutscene(521);
    runTo(522);
    EXPECT_TRUE(startsWith(line(), "Kovář(pro sebe):"));
    runTo(526);
    EXPECT_EQ(picture(), pic::urad3b);
    runTo(527);
    EXPECT_EQ(picture(), pic::urad3c);
    runTo(529);
    EXPECT_TRUE(startsWith(line(), "Kovář(pro sebe):"));
    runTo(532);
    expectPause(532, 33);
    EXPECT_EQ(form.state.sceneId, 4);
    EXPECT_EQ(form.state.pictureId, 8);
    EXPECT_EQ(enabledHotspots(), (std::vector<int>{4, 37, 39}));

    for (int visit = 0; visit < 2; ++visit) {
        form.startCutscene(532);
        beat();
        EXPECT_TRUE(startsWith(line(), "Kovář(pro sebe):"));
        runTo(539);
        expectPause(539, 34);
    }
}

TEST_F(SecondDayChapterTest, ReceptionistWantsPaymentSoTheAgentLeavesThroughTheWindow) {
    playerAt(34, {11}, kMorningItems);
    form.startCutscene(539);
    beat();
    EXPECT_TRUE(startsWith(line(), "Recepční:"));
    EXPECT_NE(line().find("Kováři"), std::string::npos) << "she greets the agent by name";
    runTo(545);
    EXPECT_TRUE(startsWith(line(), "Kovář:"));
    runTo(551);
    expectPause(551, 35);

    form.startCutscene(551);
    beat();
    EXPECT_TRUE(startsWith(line(), "Kovář(pro sebe):"));
    runTo(556);
    expectPause(556, 36);

    form.state.storyStage = 37;  // the notebook is picked up
    form.startCutscene(556);
    beat();
    EXPECT_TRUE(startsWith(line(), "Kovář(pro sebe):"));
    runTo(562);
    expectPause(562, 38);
    EXPECT_EQ(enabledHotspots(), (std::vector<int>{11, 42}));
}

TEST_F(SecondDayChapterTest, EscapeLuresTheGardenerAwayAndLandsInFrontOfTheInn) {
    playerAt(38, {2, 41, 42}, kMorningItems);
    form.startCutscene(562);
    beat();
    EXPECT_EQ(picture(), pic::pokoj2b);
    runTo(567);
    EXPECT_EQ(picture(), pic::pokoj2c);
    runTo(570);
    EXPECT_TRUE(startsWith(line(), "Zahradník(křičí):"));
    runTo(573);
    EXPECT_EQ(picture(), pic::pokoj2d);
    EXPECT_TRUE(startsWith(line(), "Kovář(pro sebe):"));
    runTo(576);
    expectPause(576, 39);
    EXPECT_EQ(picture(), pic::hospoda1);
    EXPECT_EQ(form.state.sceneId, 11);
    EXPECT_EQ(form.state.pictureId, 13);
    EXPECT_EQ(enabledHotspots(), (std::vector<int>{6, 7, 8, 41}));
}

TEST_F(SecondDayChapterTest, EngineerTellsAllAndIsMurderedWhileTheAgentHides) {
    playerAt(39, {44}, kMorningItems);
    form.startCutscene(576);
    beat();
    EXPECT_TRUE(startsWith(line(), "Kovář:"));
    runTo(580);
    EXPECT_TRUE(startsWith(line(), "Horák:"));
    for (int tick : {595, 606}) {
        runTo(tick);
        EXPECT_TRUE(startsWith(line(), "Horák:"));
        EXPECT_EQ(lineBreaks(), 1) << "tick " << tick;
    }
    runTo(626);
    EXPECT_EQ(picture(), pic::story11);
    EXPECT_EQ(line(), "");
    runTo(627);
    EXPECT_TRUE(startsWith(line(), "Starosta:"));
    runTo(639);
    EXPECT_TRUE(startsWith(line(), "Lojza:"));
    runTo(646);
    EXPECT_TRUE(startsWith(line(), "Kovář(pro sebe):"));
    EXPECT_EQ(picture(), pic::tt2b);
    runTo(649);
    expectPause(649, 40);
    EXPECT_EQ(enabledHotspots(), (std::vector<int>{45}));
}

TEST_F(SecondDayChapterTest, MayorConfessesAndTheChaseStartsTheDeathCount) {
    playerAt(41, {1, 2, 45}, kMorningItems);
    form.startCutscene(649);
    beat();
    EXPECT_TRUE(startsWith(line(), "Starosta:"));
    EXPECT_NE(line().find("Kovář"), std::string::npos) << "the mayor knows the agent's name";
    EXPECT_EQ(picture(), pic::tt3b);
    runTo(670);
    EXPECT_TRUE(startsWith(line(), "Starosta:"));
    EXPECT_EQ(lineBreaks(), 1);
    runTo(681);
    EXPECT_EQ(line(), "");
    EXPECT_EQ(picture(), pic::tt1a);
    EXPECT_TRUE(enabledHotspots().empty());
    EXPECT_EQ(form.state.sceneId, 6);
    EXPECT_EQ(form.state.pictureId, 12);
    EXPECT_TRUE(form.Timer.enabled()) << "no pause in the passage";
    runTo(682);
    EXPECT_EQ(line(), "");
    runTo(683);
    EXPECT_TRUE(startsWith(line(), "Starosta(křičí):"));
    runTo(685);
    expectPause(685, 41);
    EXPECT_TRUE(form.TimerDead.enabled());
    EXPECT_EQ(form.state.deathStep, 0);
    EXPECT_EQ(enabledHotspots(), (std::vector<int>{47}));
    clock.advance(10'000);
    EXPECT_EQ(form.state.storyTick, 685) << "the clock stays parked while the count runs";
}

TEST_F(SecondDayChapterTest, RodHoldsThePursuersUpAndThePhoneCallEndsTheStoryReplayably) {
    playerAt(41, {2}, kMorningItems);
    form.startCutscene(685);
    beat();
    EXPECT_EQ(form.state.storyTick, 686);
    runTo(687);
    EXPECT_TRUE(startsWith(line(), "Kovář(pro sebe):"));
    runTo(690);
    expectPause(690, 42);

    struct Frame {
        int tick;
        const char* picture;
    };
    const std::vector<Frame> ending = {
        {691, pic::story12}, {693, pic::story12}, {694, pic::story13}, {697, pic::story14}, {701, pic::story14},
        {702, pic::story13}, {706, pic::story15}, {709, pic::story16}, {713, pic::story17}, {717, pic::story18},
        {722, pic::konec},   {727, pic::credits1}, {734, pic::credits1}, {735, pic::credits2}, {739, pic::credits2},
    };
    for (int play = 0; play < 2; ++play) {
        form.setHeld(app::held::Phone, 1);
        form.inv(16).setVisible(true);
        form.startCutscene(690);
        for (const Frame& frame : ending) {
            runTo(frame.tick);
            EXPECT_EQ(picture(), frame.picture) << "tick " << frame.tick;
            EXPECT_EQ(line(), "") << "tick " << frame.tick;
        }
        EXPECT_TRUE(heldFlags().empty());
        EXPECT_FALSE(form.inv(16).visible());
        EXPECT_TRUE(enabledHotspots().empty());
        runTo(740);
        expectPause(740, 42);
        EXPECT_EQ(picture(), pic::credits2);
        clock.advance(60'000);
        EXPECT_EQ(form.state.storyTick, 740);
    }
}

}  // namespace
