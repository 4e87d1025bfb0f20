// The third chapter's own steps: the newspaper's trade, the pictures of each scene, the places and the ending.
#include "story_fixture.hpp"

#include "app/data_files.hpp"
#include "inventory/item_names.hpp"

namespace {

class SecondDayChapterTest : public kvtest::StoryTest {};

const std::initializer_list<const char*> kMorningItems = {
    item::sluzebniPrukaz, item::zbran, item::zasobnik, item::naboje, item::kladivo, item::penize, item::mapa,
    item::hrebik,         item::vlasec, item::drat,    item::tyc,    item::matka,   item::mobilniTelefon,
};

TEST_F(SecondDayChapterTest, NewspaperRingsTheTillAgainAndTradesTheMoneyForThePaper) {
    playerAt(24, {16}, kMorningItems);
    form.startCutscene(412);
    runTo(417);
    EXPECT_TRUE(sounds().empty());
    runTo(418);
    EXPECT_EQ(sounds(), (std::vector<std::string>{snd::kasa}));
    EXPECT_EQ(form.lblkasa1->text(), "1");
    EXPECT_EQ(form.lblkasa2->text(), "0");
    EXPECT_TRUE(form.lblkasa1->visible() && form.lblkasa2->enabled());
    runTo(426);
    EXPECT_EQ(sounds().size(), 1u);
    EXPECT_EQ(entries(item::penize), 0);
    EXPECT_EQ(entries(item::noviny), 1);
    EXPECT_EQ(form.state.itemCount, 13);

    playerAt(24, {16}, kMorningItems);
    form.state.tillSoundPlayed = 1;  // rung already in this run, and continuing does not free it
    form.startCutscene(412);
    runTo(426);
    EXPECT_TRUE(sounds().empty());
}

TEST_F(SecondDayChapterTest, NewspaperComesEvenWhenTheMoneyLiesBeyondTheTwelfthEntry) {
    // Four wires sort before the money and push it to position 12, out of reach.
    playerAt(24, {16}, {item::drat, item::drat, item::drat, item::drat, item::hrebik, item::kladivo,
                        item::kreditniKarta, item::mapa, item::matka, item::mobilniTelefon, item::naboje,
                        item::noviny, item::penize});
    form.startCutscene(412);
    runTo(426);
    EXPECT_EQ(entries(item::penize), 1);
    EXPECT_EQ(entries(item::noviny), 2);
    EXPECT_EQ(form.state.itemCount, 13) << "one down and one up whether or not the money was found";
}

TEST_F(SecondDayChapterTest, EachSceneShowsItsPicturesAndLeavesTheAgentInItsPlace) {
    playerAt(28, {}, kMorningItems);
    expectPictures(464, {{465, pic::story10}, {470, pic::story10}, {471, pic::namesti1}});
    EXPECT_EQ(line(), "");
    expectPictures(521, {{526, pic::urad3b}, {527, pic::urad3c}, {528, pic::urad3c}});
    runTo(532);
    EXPECT_EQ(form.state.sceneId, 4);
    EXPECT_EQ(form.state.pictureId, 8);
    expectPictures(562, {{563, pic::pokoj2b}, {567, pic::pokoj2c}, {573, pic::pokoj2d}, {576, pic::hospoda1}});
    EXPECT_EQ(form.state.sceneId, 11);
    EXPECT_EQ(form.state.pictureId, 13);
    expectPictures(576, {{625, pic::hospoda1}, {626, pic::story11}, {646, pic::tt2b}});
    expectPictures(649, {{650, pic::tt3b}, {680, pic::tt3b}, {681, pic::tt1a}});
    EXPECT_EQ(line(), "");
    EXPECT_TRUE(form.Timer.enabled()) << "no pause in the passage";
    EXPECT_EQ(form.state.sceneId, 6);
    EXPECT_EQ(form.state.pictureId, 12);
    runTo(685);
    EXPECT_TRUE(form.TimerDead.enabled());
    EXPECT_EQ(form.state.deathStep, 0);
    clock.advance(10'000);
    EXPECT_EQ(form.state.storyTick, 685) << "the clock stays parked while the count runs";
}

TEST_F(SecondDayChapterTest, PhoneCallPlaysTheEndingAndTakingThePhoneAgainReplaysIt) {
    playerAt(42, {2}, kMorningItems);
    form.state.storyTick = 690;
    for (int play = 0; play < 2; ++play) {
        SCOPED_TRACE("play " + std::to_string(play));
        select(item::mobilniTelefon);
        ASSERT_TRUE(form.Timer.enabled());
        EXPECT_EQ(form.state.storyTick, 690);
        expectPictures(690, {{691, pic::story12}, {694, pic::story13}, {697, pic::story14}, {702, pic::story13},
                             {706, pic::story15}, {709, pic::story16}, {713, pic::story17}, {717, pic::story18},
                             {722, pic::konec},   {727, pic::credits1}, {735, pic::credits2}, {740, pic::credits2}});
        EXPECT_TRUE(heldFlags().empty());
        EXPECT_FALSE(form.inv(16).visible());
        EXPECT_TRUE(enabledHotspots().empty());
        expectPause(740, 42);
        clock.advance(60'000);
        EXPECT_EQ(form.state.storyTick, 740);
        EXPECT_EQ(entries(item::mobilniTelefon), 1);
    }
}

}  // namespace
