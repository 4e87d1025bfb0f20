// The story clock's mechanism, on a small script of its own: tick order, conditions, pauses.
#include "app/main_form.hpp"
#include "story/script.hpp"
#include "ui/recording_platform.hpp"
#include "ui/virtual_clock.hpp"

#include <gtest/gtest.h>

namespace {

using story::act;
using story::line;
using story::picture;
using story::sound;

class StoryClockTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.checkpointPath = "/nonexistent/data.dat";
        form.FormCreate();
        form.setScript(&script);
        platform.messages.clear();
    }
    // One tick at the current speed.
    void tick() { clock.advance(form.Timer.interval()); }

    ui::VirtualClock clock;
    ui::RecordingPlatform platform;
    app::TfrmHlavni form{clock, platform};
    story::Script script{
        {.from = 1, .to = 3, .steps = {picture("data/1.bmp"), line("jedna")}},
        {.from = 3, .to = 3, .steps = {line(""), act([](app::TfrmHlavni& f) { f.state.storyStage = 7; })}},
        // Runs only once the entry before it (same tick) has set the stage.
        {.from = 3, .to = 4, .steps = {line("po sedmé")}, .when = [](const app::TfrmHlavni& f) { return f.state.storyStage == 7; }},
        {.from = 5, .to = 6, .steps = {sound("data/kasa.wav", &app::GameState::tillSoundPlayed)}},
        // tick 7 has no entry
        {.from = 8, .to = 9, .steps = {act([](app::TfrmHlavni& f) { f.pauseStory(); })}},
    };
};

TEST_F(StoryClockTest, StartValuePlusOneIsTheFirstTickOneIntervalAfterTheClick) {
    form.startCutscene(2);
    EXPECT_TRUE(form.imgClona->enabled());
    clock.advance(1299);
    EXPECT_EQ(form.state.storyTick, 2);
    EXPECT_EQ(form.lblText.text(), "");
    clock.advance(1);
    EXPECT_EQ(form.state.storyTick, 3);
}

TEST_F(StoryClockTest, EntriesOfOneTickRunInOrderAndSeeEarlierSteps) {
    form.startCutscene(2);
    tick();  // tick 3: picture and "jedna", then cleared, stage 7, then "po sedmé"
    EXPECT_EQ(form.imgHlavni->picture(), "data/1.bmp");
    EXPECT_EQ(form.state.storyStage, 7);
    EXPECT_EQ(form.lblText.text(), "po sedmé");
}

TEST_F(StoryClockTest, GapTickKeepsThePreviousLine) {
    form.startCutscene(6);
    form.setLine("zůstává");
    tick();  // tick 7: no entry
    EXPECT_EQ(form.state.storyTick, 7);
    EXPECT_EQ(form.lblText.text(), "zůstává");
}

TEST_F(StoryClockTest, GuardedSoundPlaysOnceAndOnlyWhileSoundIsOn) {
    form.state.soundOn = 0;
    form.startCutscene(4);
    tick();  // tick 5 silent: the guard stays 0
    EXPECT_TRUE(platform.sounds.empty());
    EXPECT_EQ(form.state.tillSoundPlayed, 0);
    form.state.soundOn = 1;
    tick();  // tick 6 plays and sets the guard
    form.startCutscene(4);
    tick();
    tick();
    EXPECT_EQ(platform.sounds, (std::vector<std::string>{"data/kasa.wav"}));
    EXPECT_EQ(form.state.tillSoundPlayed, 1);
}

TEST_F(StoryClockTest, PausePointStopsAtItsFirstTickAndLowersTheShield) {
    form.startCutscene(7);
    clock.advance(60'000);
    EXPECT_EQ(form.state.storyTick, 8);
    EXPECT_FALSE(form.Timer.enabled());
    EXPECT_FALSE(form.imgClona->enabled());
    form.resumeStoryClock();
    EXPECT_TRUE(form.imgClona->enabled());
    tick();
    EXPECT_EQ(form.state.storyTick, 9);  // resumed from where it parked
}

}  // namespace
