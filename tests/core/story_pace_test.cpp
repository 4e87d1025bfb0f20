// Advance, skip and Esc: a hurried game reaches only states the clock would have reached by
// itself, and never hurries the death countdown, a pause or a box.
#include "app/data_files.hpp"
#include "app/settle.hpp"
#include "form_fixture.hpp"
#include "inventory/item_names.hpp"
#include "script/session.hpp"
#include "script/state_json.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

// A headless game as the driver plays it, never touching the disk.
struct Game {
    Game() { s.form->checkpointPath = app::kNoCheckpointPath; }
    app::TfrmHlavni& f() { return *s.form; }
    // What the player sees and the rules hold; only the clock and what was played may differ.
    script::Json shown() {
        script::Json j = script::dumpState(s);
        for (const char* transient : {"time_ms", "sounds", "messages"}) j.erase(transient);
        return j;
    }
    script::Session s;
};

// Ticks the plain game one by one until it shows what the hurried one shows; fails if it gets
// to the player's turn first, or the hurried game is not ahead of it at all.
void expectReachedByTheClock(Game& plain, Game& hurried, const std::string& what) {
    const script::Json goal = hurried.shown();
    for (int ticks = 0; ticks < 5000; ++ticks) {
        if (plain.shown() == goal) return;
        if (!plain.f().sequenceRunning() || !plain.s.clock.step()) break;
    }
    ADD_FAILURE() << what << ": the clock never shows what the hurried game shows";
}

TEST(Advance, EachLineEndsWhereTheClockWouldHaveShownTheNextOne) {
    Game plain;
    Game hurried;
    int advances = 0;
    const auto advanceWhileTheStoryRuns = [&] {
        while (hurried.f().Timer.enabled()) {
            const std::string before = hurried.f().lblText.text();
            hurried.f().advance();
            ++advances;
            // The line changed, or the story paused.
            EXPECT_TRUE(hurried.f().lblText.text() != before || !hurried.f().Timer.enabled()) << "advance " << advances;
            expectReachedByTheClock(plain, hurried, "advance " + std::to_string(advances));
            ASSERT_LT(advances, 100);
        }
    };
    // The opening, up to its location caption, then the mayor's talk with the card.
    ui::Menu::click(*plain.f().mmNova);
    ui::Menu::click(*hurried.f().mmNova);
    advanceWhileTheStoryRuns();
    EXPECT_TRUE(hurried.f().TimerX.enabled()) << "the caption has begun";
    for (Game* g : {&plain, &hurried}) {
        g->s.settle();
        g->f().startCutscene(app::cutscene::MayorSeesCard);
    }
    advanceWhileTheStoryRuns();
    EXPECT_GT(advances, 6);
    EXPECT_EQ(hurried.f().state.storyTick, 71);
    EXPECT_LT(hurried.s.clock.now(), plain.s.clock.now()) << "the hurry ran no game time";
}

TEST(Advance, TheFirstAdvanceTypesTheCaptionOutAndTheNextEndsIt) {
    Game game;
    app::TfrmHlavni& f = game.f();
    ui::Menu::click(*f.mmNova);
    while (f.Timer.enabled()) f.advance();
    ASSERT_TRUE(f.TimerX.enabled());
    f.advance();
    EXPECT_EQ(f.lblX->text(), "Lokace : Mlýnotrhy-náměstí\n               někde v ČR\nČas : 13:42 SELČ\nDatum : 18.8.2003");
    EXPECT_TRUE(f.TimerX.enabled()) << "typed out, the caption is still held";
    EXPECT_TRUE(f.imgClona->enabled());
    f.advance();
    EXPECT_FALSE(f.TimerX.enabled());
    EXPECT_EQ(f.lblX->text(), "");
    EXPECT_FALSE(f.imgClona->enabled());
    EXPECT_EQ(f.state.sequenceStep, 100);
}

TEST(Advance, ARemarkEndsAtOnceAndStaysInTheHistory) {
    Game game;
    app::TfrmHlavni& f = game.f();
    ui::Menu::click(*f.mmNova);
    f.skip();
    f.startRemark(app::remark::WontWork);
    f.advance();
    EXPECT_FALSE(f.Timer2.enabled());
    EXPECT_FALSE(f.imgClona->enabled());
    EXPECT_EQ(f.lblText.text(), "");
    EXPECT_EQ(f.state.remarkFrame, 12);
    ASSERT_FALSE(f.dialogueHistory().empty());
    EXPECT_NE(f.dialogueHistory().back().find("Takhle to nepůjde."), std::string::npos);
}

TEST(Skip, RunsToThePlayersTurnAsTheClockWouldAndOnlyTheLastSoundPlays) {
    Game plain;
    Game hurried;
    ui::Menu::click(*plain.f().mmNova);
    ui::Menu::click(*hurried.f().mmNova);
    plain.s.settle();
    const std::size_t soundsBefore = hurried.s.platform.sounds.size();
    hurried.f().skip();
    EXPECT_EQ(hurried.shown(), plain.shown());
    EXPECT_FALSE(hurried.f().sequenceRunning());
    // The caption typed 69 keys and the opening played its sounds; one plays, the last.
    ASSERT_EQ(hurried.s.platform.sounds.size(), soundsBefore + 1);
    EXPECT_EQ(hurried.s.platform.sounds.back(), snd::key2);
    EXPECT_GE(plain.s.platform.sounds.size(), 69u);
}

TEST(Skip, ACaptionAndARemarkRunningTogetherKeepTheirOrder) {
    // "Nahrát" during a remark: the pub's caption types while the remark still runs.
    for (const bool during : {false, true}) {
        Game plain;
        Game hurried;
        for (Game* g : {&plain, &hurried}) {
            ui::Menu::click(*g->f().mmNova);
            g->s.settle();
            g->f().startRemark(app::remark::InnWantsMoney);
            g->s.clock.advance(during ? 2600 : 0);
            g->f().mmNahrat->setEnabled(true);
            ui::Menu::click(*g->f().mmNahrat);
            g->s.clock.advance(350);
        }
        ASSERT_TRUE(hurried.f().Timer2.enabled() && hurried.f().TimerX.enabled());
        plain.s.settle();
        hurried.f().skip();
        EXPECT_EQ(hurried.shown(), plain.shown()) << (during ? "late" : "early") << " in the remark";
    }
}

TEST(Hurry, NothingRunsWhilePausedInABoxOrDuringTheDeathCountdown) {
    Game game;
    app::TfrmHlavni& f = game.f();
    ui::Menu::click(*f.mmNova);
    f.skip();
    const script::Json paused = game.shown();
    for (const auto& hurry : {&app::TfrmHlavni::advance, &app::TfrmHlavni::skip, &app::TfrmHlavni::escape}) {
        (f.*hurry)();
        EXPECT_EQ(game.shown(), paused) << "paused";
    }

    // A box holds the clock: its ticks wait for it to close.
    f.startRemark(app::remark::WontWork);
    game.s.clock.suspend();
    const script::Json boxed = game.shown();
    f.advance();
    f.skip();
    EXPECT_EQ(game.shown(), boxed) << "in a box";
    game.s.clock.resume();

    // The countdown's seconds are the puzzle, whatever else runs beside it.
    f.startDeathCountdown();
    game.s.clock.advance(3000);
    const script::Json counting = game.shown();
    EXPECT_FALSE(f.canHurry());
    f.advance();
    f.skip();
    f.escape();
    EXPECT_EQ(game.shown(), counting) << "during the countdown";
}

class Escape : public kvtest::CheckpointFormTest {
protected:
    // The second morning, the player in the hotel room with the checkpoint's things.
    Escape() {
        ui::Menu::click(*form.mmNahrat);
        app::settle(form, clock);
    }
};

TEST_F(Escape, LeavesACloseUpLikeZpet) {
    select(item::sluzebniPrukaz);
    press(form.btnPruzkum);
    const std::string closeUp = picture();
    form.escape();
    EXPECT_NE(picture(), closeUp);
    EXPECT_EQ(picture(), std::string(pic::pokoj1a));
    EXPECT_FALSE(form.imgClona->enabled());
}

TEST_F(Escape, EmptiesTheHandOverTheOpenMapAndKeepsTheMap) {
    select(item::mapa);
    press(form.btnPruzkum);
    ASSERT_NE(form.state.returnMode, 0);
    select(item::sluzebniPrukaz);
    ASSERT_FALSE(heldFlags().empty());
    form.escape();
    EXPECT_TRUE(heldFlags().empty());
    EXPECT_EQ(picture(), std::string(pic::mapa));
    EXPECT_NE(form.state.returnMode, 0);
}

TEST_F(Escape, DoesNothingInTheSceneItself) {
    select(item::sluzebniPrukaz);
    const std::vector<int> held = heldFlags();
    form.escape();
    EXPECT_EQ(heldFlags(), held) << "Esc is no Zpět while nothing is examined";
    EXPECT_EQ(picture(), std::string(pic::pokoj1a));
}

}  // namespace
