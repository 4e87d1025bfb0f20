// The second chapter's own steps: guarded sounds, the till, the lock, the night's checkpoint and the morning.
#include "story_fixture.hpp"

#include "app/data_files.hpp"
#include "checkpoint/checkpoint_file.hpp"
#include "inventory/item_names.hpp"

#include <fstream>
#include <iterator>

namespace {

class FirstDayChapterTest : public kvtest::StoryTest {
protected:
    [[nodiscard]] std::string checkpointContent() const {
        std::ifstream in(checkpointFile(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
};

const std::initializer_list<const char*> kPockets = {item::sluzebniPrukaz, item::zbran, item::mobilniTelefon};

TEST_F(FirstDayChapterTest, CashMachineSoundsAt164OnlyIfSoundIsOnThenAndPaysOutAt170) {
    playerAt(6, {15}, kPockets);
    form.startCutscene(153);
    runTo(163);
    EXPECT_TRUE(sounds().empty());
    const std::string done = line();
    runTo(164);
    EXPECT_EQ(line(), done) << "the line of 160 to 164 stays while the machine sounds";
    EXPECT_EQ(sounds(), (std::vector<std::string>{snd::bankomat}));
    runTo(170);
    EXPECT_EQ(sounds().size(), 1u);
    EXPECT_EQ(entries(item::penize), 1);
    EXPECT_EQ(form.state.itemCount, 4);
    EXPECT_EQ(form.state.cashPaidOut, 1);

    playerAt(6, {15}, kPockets);
    form.state.atmSoundPlayed = 0;
    form.state.soundOn = 0;
    form.startCutscene(153);
    runTo(164);
    form.state.soundOn = 1;
    runTo(170);
    EXPECT_TRUE(sounds().empty());
    EXPECT_EQ(form.state.atmSoundPlayed, 0);
}

TEST_F(FirstDayChapterTest, MapSaleRingsTheTillOnceShowsFiftyAndChangesTheMoneyPicture) {
    playerAt(7, {16}, {item::sluzebniPrukaz, item::penize});
    form.setHeld(app::held::Money, 1);
    form.startCutscene(170);
    runTo(184);
    EXPECT_TRUE(sounds().empty());
    EXPECT_FALSE(form.lblkasa1->visible());
    runTo(185);
    EXPECT_EQ(sounds(), (std::vector<std::string>{snd::kasa}));
    for (auto [label, digit] : {std::pair{form.lblkasa1, "5"}, std::pair{form.lblkasa2, "0"}}) {
        EXPECT_TRUE(label->enabled() && label->visible());
        EXPECT_EQ(label->text(), digit);
    }
    runTo(195);
    EXPECT_EQ(sounds().size(), 1u);
    EXPECT_EQ(form.inv(7).picture(), pic::penize2_mini);
    EXPECT_EQ(entries(item::mapa), 1);
    EXPECT_EQ(form.state.itemCount, 3);
    EXPECT_TRUE(heldFlags().empty());
    EXPECT_TRUE(form.lblkasa1->visible()) << "the till keeps its price until the agent leaves";
}

TEST_F(FirstDayChapterTest, HammerBlowsUseUpTheHammerSoundOnceAndShowThenHideTheLock) {
    playerAt(13, {}, kPockets);
    form.setHeld(app::held::Hammer, 1);
    form.inv(10).setVisible(true);
    expectPictures(241, {{242, pic::story4}});
    EXPECT_TRUE(heldFlags().empty());
    EXPECT_FALSE(form.inv(10).visible());
    runTo(248);
    EXPECT_EQ(sounds(), (std::vector<std::string>{snd::kladivo}));
    runTo(249);
    EXPECT_EQ(picture(), pic::elektr3);
    EXPECT_TRUE(form.cur(22).enabled() && form.cur(22).visible());
    EXPECT_EQ(form.cur(22).picture(), pic::el1);

    form.state.storyStage = 17;
    form.setHeld(app::held::Hammer, 1);
    expectPictures(249, {{250, pic::story5}, {254, pic::story5}, {259, pic::elektr3}});
    EXPECT_EQ(sounds(), (std::vector<std::string>{snd::kladivo, snd::strelba}));
    EXPECT_FALSE(form.cur(22).enabled() || form.cur(22).visible());
    EXPECT_TRUE(heldFlags().empty());
}

TEST_F(FirstDayChapterTest, EveningRunsThroughTheNightWritingTheCheckpointIntoTheSecondMorning) {
    playerAt(21, {7, 33}, {item::sluzebniPrukaz, item::mapa, item::penize});
    form.state.tillSoundPlayed = 1;
    ASSERT_FALSE(form.mmNahrat->enabled());
    expectPictures(340, {{352, pic::hospoda4a}});
    EXPECT_EQ(form.state.storyStage, 22);
    EXPECT_TRUE(enabledHotspots().empty());
    runTo(385);
    EXPECT_EQ(form.state.storyStage, 23);
    const std::vector<std::pair<int, const char*>> night = {
        {388, pic::story6}, {391, pic::hospoda4b}, {396, pic::story7}, {400, pic::story8}, {403, pic::story8}};
    for (const auto& [tick, path] : night) {
        runTo(tick);
        EXPECT_EQ(picture(), path) << "tick " << tick;
    }
    runTo(407);
    EXPECT_FALSE(std::filesystem::exists(checkpointFile()));
    runTo(408);
    EXPECT_EQ(picture(), pic::story9);
    EXPECT_EQ(checkpointContent(), "1");
    EXPECT_TRUE(form.mmNahrat->enabled());
    runTo(411);
    EXPECT_TRUE(platform.messages.empty());

    runTo(412);
    EXPECT_FALSE(form.Timer.enabled());
    EXPECT_EQ(form.state.storyStage, 24);
    EXPECT_EQ(form.inv(7).picture(), pic::penize3_mini);
    EXPECT_EQ(picture(), pic::pokoj1a);
    EXPECT_EQ(enabledHotspots(), (std::vector<int>{2}));
    EXPECT_EQ(form.state.sceneId, 14);
    EXPECT_EQ(form.state.pictureId, 26);
    EXPECT_TRUE(form.lblX->enabled() && form.TimerX.enabled());
    EXPECT_EQ(form.state.sequenceStep, 100);
    EXPECT_EQ(form.state.tillSoundPlayed, 0) << "the till may ring again in the morning";
    EXPECT_TRUE(form.imgClona->enabled()) << "raised again for the caption";
    clock.advance(10'000);
    EXPECT_FALSE(form.imgClona->enabled());
    EXPECT_EQ(form.state.storyTick, 412);
}

TEST_F(FirstDayChapterTest, NightReportsAFailedCheckpointWriteOnEachTickAndStillOffersContinuing) {
    playerAt(22, {}, {item::sluzebniPrukaz});
    form.checkpointPath = (dir.path() / "no-such-directory" / "data.dat").string();
    form.startCutscene(407);
    runTo(411);
    EXPECT_EQ(platform.messages, std::vector<std::string>(4, checkpoint::kCannotOpen));
    EXPECT_TRUE(form.mmNahrat->enabled());
}

}  // namespace
