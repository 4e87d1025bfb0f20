// Start-up, the component stack of the main window and the game menu.
#include "app/main_form.hpp"
#include "story/script.hpp"
#include "ui/recording_platform.hpp"
#include "ui/virtual_clock.hpp"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

class MainFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("kvelnor-form-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        form.checkpointPath = (dir / "data.dat").string();
        form.FormCreate();
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    ui::Component* at(int x, int y) { return form.stack.hitTest(x, y); }

    std::filesystem::path dir;
    ui::VirtualClock clock;
    ui::RecordingPlatform platform;
    app::TfrmHlavni form{clock, platform};
};

TEST_F(MainFormTest, StartUpShowsTheIntroWithOnlyTheMenuActive) {
    EXPECT_EQ(form.imgHlavni->picture(), "data/Uvod.bmp");
    for (int n = 1; n <= app::kHotspotCount; ++n) EXPECT_FALSE(form.cur(n).enabled()) << n;
    for (int n = 1; n <= app::kMapSpotCount; ++n) EXPECT_FALSE(form.map(n).enabled()) << n;
    EXPECT_TRUE(form.imgClona->enabled());
    for (const ui::Component* b : {&form.btnZpet, &form.btnPruzkum, &form.btnSpojit}) {
        EXPECT_FALSE(b->visible());
        EXPECT_FALSE(b->enabled());
    }
    EXPECT_FALSE(form.lbPredmety.visible());
    for (const ui::Timer* t : {&form.Timer, &form.TimerX, &form.Timer2, &form.TimerDead}) EXPECT_FALSE(t->enabled());
    EXPECT_TRUE(form.mmStredni->checked());
    EXPECT_TRUE(form.mmZvuky->checked());
    EXPECT_EQ(form.state, app::GameState{});
    // No data.dat yet: one message, "Nahrát" greyed.
    EXPECT_EQ(platform.messages, (std::vector<std::string>{"Nepodařilo se otevřít soubor!"}));
    EXPECT_FALSE(form.mmNahrat->enabled());
}

TEST_F(MainFormTest, ComponentsStackFromScenePictureUpToShieldWithRectanglesAndHints) {
    const auto& all = form.stack.all();
    ASSERT_EQ(all.size(), 73u);
    EXPECT_EQ(all.front()->name(), "imgHlavni");
    EXPECT_EQ(all.back()->name(), "imgClona");
    EXPECT_EQ(form.cur(37).rect().left, 440);
    EXPECT_EQ(form.cur(22).rect().width, 70);
    EXPECT_EQ(form.map(4).hint(), "Továrna");
    EXPECT_EQ(form.inv(6).hint(), "Zápisník s tel.čísly");
    EXPECT_EQ(form.inv(14).hint(), "");
}

TEST_F(MainFormTest, ShieldLiesAboveEveryHotspotAndMapSpot) {
    form.imgClona->setEnabled(true);
    for (int n = 1; n <= app::kHotspotCount; ++n) {
        form.cur(n).setEnabled(true);
        const ui::Rect r = form.cur(n).rect();
        EXPECT_EQ(at(r.left, r.top), form.imgClona) << "imgCur" << n;
    }
    for (int n = 1; n <= app::kMapSpotCount; ++n) {
        form.map(n).setEnabled(true);
        const ui::Rect r = form.map(n).rect();
        EXPECT_EQ(at(r.left, r.top), form.imgClona) << "imgMap" << n;
    }
}

TEST_F(MainFormTest, LaterHotspotWinsWhereTwoOverlap) {
    form.imgClona->setEnabled(false);
    form.imgHlavni->setEnabled(true);
    form.cur(5).setEnabled(true);
    form.cur(37).setEnabled(true);
    EXPECT_EQ(at(500, 250), &form.cur(37));  // inside both
    EXPECT_EQ(at(480, 160), &form.cur(5));   // imgCur5's corner, left of imgCur37
    form.cur(37).setEnabled(false);
    EXPECT_EQ(at(500, 250), &form.cur(5));
    form.cur(5).setEnabled(false);
    EXPECT_EQ(at(500, 250), form.imgHlavni);
}

TEST_F(MainFormTest, FirstNewGameOnlyStartsTheClock) {
    ui::Menu::click(*form.mmNova);
    EXPECT_TRUE(form.Timer.enabled());
    EXPECT_TRUE(platform.questions.empty());
    EXPECT_TRUE(form.imgClona->enabled());  // still raised from start-up
}

TEST_F(MainFormTest, NewGameAnsweredNoLeavesARunningGameAlone) {
    form.startCutscene(40);
    form.state.storyStage = 5;
    form.state.soundOn = 0;
    form.addInventoryItem("Mapa");
    const app::GameState before = form.state;
    platform.answers.push_back(false);
    ui::Menu::click(*form.mmNova);
    EXPECT_EQ(platform.questions, (std::vector<std::string>{"Dotaz: Opravdu chcete začít novou hru?"}));
    EXPECT_EQ(form.state, before);
    EXPECT_TRUE(form.Timer.enabled());
    EXPECT_EQ(form.lbPredmety.count(), 1);
}

TEST_F(MainFormTest, NewGameAnsweredYesResetsEverythingButTheSoundSettings) {
    form.startCutscene(300);
    form.state.storyStage = 20;
    form.state.nailTaken = 1;
    form.state.soundOn = 0;
    form.state.soundMenuArmed = 1;
    form.state.heldFlags[3] = 1;
    form.addInventoryItem("Hřebík");
    form.TimerX.setEnabled(true);
    form.TimerDead.setEnabled(true);
    form.cur(12).setEnabled(true);
    form.map(2).setEnabled(true);
    form.lblX->setEnabled(true);
    form.lblX->setText("Lokace");
    form.inv(3).setVisible(true);
    form.showPicture("data/elektr1.bmp");
    form.setLine("Agent:Dobrý den.");
    clock.advance(700);

    ui::Menu::click(*form.mmNova);

    app::GameState expected;
    expected.soundOn = 0;
    expected.soundMenuArmed = 1;
    EXPECT_EQ(form.state, expected);
    EXPECT_TRUE(form.Timer.enabled());
    EXPECT_FALSE(form.TimerX.enabled());
    EXPECT_FALSE(form.TimerDead.enabled());
    EXPECT_FALSE(form.imgClona->enabled());
    EXPECT_FALSE(form.lblX->enabled());
    EXPECT_EQ(form.lblX->text(), "");
    EXPECT_EQ(form.imgHlavni->picture(), "data/Uvod.bmp");
    EXPECT_EQ(form.lbPredmety.count(), 0);
    EXPECT_FALSE(form.cur(12).enabled());
    EXPECT_FALSE(form.map(2).enabled());
    EXPECT_FALSE(form.inv(3).visible());
    EXPECT_EQ(form.lblText.text(), "") << "no old line over the opening";
    // The clock was running and keeps its beat; its next tick is the opening's tick 1.
    clock.advance(600);
    EXPECT_EQ(form.state.storyTick, 1);
}

TEST_F(MainFormTest, QuitAsksAndEndsOnlyOnYes) {
    platform.answers = {false, true};
    ui::Menu::click(*form.mmKonec);
    EXPECT_FALSE(platform.quitRequested);
    ui::Menu::click(*form.mmKonec);
    EXPECT_TRUE(platform.quitRequested);
    EXPECT_EQ(platform.questions.back(), "Konec: Opravdu chcete skončit?");
}

TEST_F(MainFormTest, SpeedsCheckExactlyOneAndSetBothStoryTimers) {
    const auto checkedCount = [&] {
        return int(form.mmVysoka->checked()) + int(form.mmStredni->checked()) + int(form.mmNizka->checked());
    };
    ui::Menu::click(*form.mmVysoka);
    EXPECT_EQ(checkedCount(), 1);
    EXPECT_TRUE(form.mmVysoka->checked());
    EXPECT_EQ(form.Timer.interval(), 1000);
    EXPECT_EQ(form.Timer2.interval(), 1000);
    ui::Menu::click(*form.mmNizka);
    ui::Menu::click(*form.mmNizka);
    EXPECT_EQ(checkedCount(), 1);
    EXPECT_TRUE(form.mmNizka->checked());
    EXPECT_EQ(form.Timer.interval(), 1600);
    ui::Menu::click(*form.mmStredni);
    EXPECT_EQ(checkedCount(), 1);
    EXPECT_EQ(form.Timer2.interval(), 1300);
    EXPECT_EQ(form.TimerX.interval(), 100);
    EXPECT_EQ(form.TimerDead.interval(), 1000);
}

TEST_F(MainFormTest, SpeedChangeDuringACutsceneDelaysTheNextTick) {
    form.startCutscene(22);
    clock.advance(1000);
    ui::Menu::click(*form.mmNizka);
    clock.advance(1599);
    EXPECT_EQ(form.state.storyTick, 22);
    clock.advance(1);
    EXPECT_EQ(form.state.storyTick, 23);
}

TEST_F(MainFormTest, EachOpeningOfSettingsAllowsOneSoundToggle) {
    ui::Menu::click(*form.mmZvuky);  // not armed: nothing
    EXPECT_EQ(form.state.soundOn, 1);
    ui::Menu::click(*form.mmNastaveni);
    ui::Menu::click(*form.mmZvuky);
    EXPECT_EQ(form.state.soundOn, 0);
    EXPECT_FALSE(form.mmZvuky->checked());
    ui::Menu::click(*form.mmZvuky);  // the same opening: no second toggle
    EXPECT_EQ(form.state.soundOn, 0);
    ui::Menu::click(*form.mmNastaveni);
    ui::Menu::click(*form.mmZvuky);
    EXPECT_EQ(form.state.soundOn, 1);
    EXPECT_TRUE(form.mmZvuky->checked());
    EXPECT_EQ(form.state.soundMenuArmed, 0);
}

TEST_F(MainFormTest, InformationWindowsOpenThroughThePlatform) {
    ui::Menu::click(*form.mmOvladani);
    ui::Menu::click(*form.mmOprogramu);
    EXPECT_EQ(platform.windowsShown, (std::vector<ui::InfoWindow>{ui::InfoWindow::Controls, ui::InfoWindow::About}));
}

TEST_F(MainFormTest, MissingPictureIsNamedOnceAndPlayGoesOn) {
    platform.missingPictures.insert("data/tv.bmp");
    platform.messages.clear();
    form.showPicture("data/tv.bmp");
    form.showPicture("data/tv.bmp");
    EXPECT_EQ(platform.messages, (std::vector<std::string>{"Nelze načíst obrázek: data/tv.bmp"}));
    EXPECT_EQ(form.imgHlavni->picture(), "data/tv.bmp");
}

}  // namespace

namespace {

TEST(MissingSound, IsNamedOnceAndTheGameGoesOn) {
    ui::VirtualClock clock;
    ui::RecordingPlatform platform;
    app::TfrmHlavni form(clock, platform);
    form.checkpointPath = "/nonexistent/data.dat";
    form.FormCreate();
    platform.messages.clear();
    platform.missingSounds.insert("data/kasa.wav");
    form.playSound("data/kasa.wav");
    form.playSound("data/kasa.wav");
    form.state.soundOn = 0;
    form.playSound("data/kladivo.wav");  // sounds off: not even tried
    EXPECT_EQ(platform.messages, (std::vector<std::string>{"Nelze přehrát zvuk: data/kasa.wav"}));
    EXPECT_EQ(platform.sounds, (std::vector<std::string>{"data/kasa.wav", "data/kasa.wav"}));
}

}  // namespace
