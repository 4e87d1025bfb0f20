// The Qt clock behind the game's timers, and the boxes that hold it while they are open.
#include "desktop/picture_store.hpp"
#include "desktop/qt_clock.hpp"
#include "desktop/qt_platform.hpp"
#include "desktop/sound_player.hpp"
#include "modal_box.hpp"

#include <QApplication>
#include <QMessageBox>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr int kTickMs = 10;

using kvdesk::answerNextBox;
using kvdesk::waitFor;

struct QtClockTest : ::testing::Test {
    desktop::QtClock clock;
    desktop::PictureStore pictures;
    desktop::SoundPlayer sound;
    desktop::QtPlatform platform{clock, pictures, sound};
};

TEST_F(QtClockTest, ARunningTimerTicksUntilStopped) {
    ui::Timer timer("t", kTickMs, clock);
    int ticks = 0;
    timer.onTimer = [&] {
        if (++ticks == 3) timer.setEnabled(false);
    };
    int refreshes = 0;
    clock.afterTick = [&] { ++refreshes; };
    timer.setEnabled(true);
    ASSERT_TRUE(waitFor([&] { return ticks == 3; }));
    QTest::qWait(5 * kTickMs);
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(refreshes, 3);
}

TEST_F(QtClockTest, AQuestionBoxHoldsTheClockAndItsTickComesAfterwardsOnce) {
    ui::Timer timer("TimerX", kTickMs, clock);
    int ticks = 0;
    timer.onTimer = [&] { ++ticks; };
    timer.setEnabled(true);
    int ticksWhileOpen = -1;
    answerNextBox(QMessageBox::No, [&] {
        const int atOpen = ticks;
        QTest::qWait(10 * kTickMs);
        ticksWhileOpen = ticks - atOpen;
    });
    EXPECT_FALSE(platform.ask("Dotaz", "Opravdu chcete začít novou hru?"));
    EXPECT_EQ(ticksWhileOpen, 0);
    // The ten ticks that fell due wait as one, delivered by the event loop once the asking code
    // is done; then the timer keeps its pace.
    const int afterBox = ticks;
    QApplication::processEvents();
    EXPECT_EQ(ticks, afterBox + 1);
    ASSERT_TRUE(waitFor([&] { return ticks >= afterBox + 3; }));
    timer.setEnabled(false);
}

TEST_F(QtClockTest, ABoxAskedInsideATickNeverLetsAnotherTickRunInsideIt) {
    ui::Timer story("Timer", kTickMs, clock);
    ui::Timer caption("TimerX", kTickMs, clock);
    int storyTicks = 0;
    int captionTicks = 0;
    int running = 0;
    int mostAtOnce = 0;
    auto handler = [&](int& count, bool asks) {
        mostAtOnce = std::max(mostAtOnce, ++running);
        if (++count == 1 && asks) {
            answerNextBox(QMessageBox::Yes, [] { QTest::qWait(10 * kTickMs); });
            platform.ask("Dotaz", "Opravdu chcete začít novou hru?");
        }
        --running;
    };
    story.onTimer = [&] { handler(storyTicks, true); };
    caption.onTimer = [&] { handler(captionTicks, false); };
    story.setEnabled(true);
    caption.setEnabled(true);
    ASSERT_TRUE(waitFor([&] { return storyTicks >= 3 && captionTicks >= 3; }));
    story.setEnabled(false);
    caption.setEnabled(false);
    EXPECT_EQ(mostAtOnce, 1);
    EXPECT_FALSE(clock.suspended());
}

TEST_F(QtClockTest, ATimerStoppedWhileTheBoxIsOpenLosesItsWaitingTick) {
    ui::Timer timer("Timer2", kTickMs, clock);
    int ticks = 0;
    timer.onTimer = [&] { ++ticks; };
    timer.setEnabled(true);
    const int ticksBefore = ticks;
    answerNextBox(QMessageBox::Yes, [&] {
        // The box is open long enough for the timer to fall due, then the timer stops.
        QTest::qWait(5 * kTickMs);
        timer.setEnabled(false);
    });
    EXPECT_TRUE(platform.ask("Konec", "Opravdu chcete skončit?"));
    QTest::qWait(5 * kTickMs);
    EXPECT_EQ(ticks, ticksBefore);
}

TEST_F(QtClockTest, AnInformationBoxHoldsTheClockToo) {
    ui::Timer timer("TimerDead", kTickMs, clock);
    int ticks = 0;
    timer.onTimer = [&] { ++ticks; };
    timer.setEnabled(true);
    int ticksWhileOpen = -1;
    answerNextBox(QMessageBox::Ok, [&] {
        const int atOpen = ticks;
        QTest::qWait(8 * kTickMs);
        ticksWhileOpen = ticks - atOpen;
    });
    platform.inform("Nepodařilo se otevřít soubor!");
    EXPECT_EQ(ticksWhileOpen, 0);
    const int afterBox = ticks;
    ASSERT_TRUE(waitFor([&] { return ticks > afterBox; }));
    timer.setEnabled(false);
}

TEST(SoundPlayer, AMissingFileFailsAndNoSoundDeviceIsSilence) {
    desktop::SoundPlayer sound;
    EXPECT_FALSE(sound.play("/nonexistent/kasa.wav"));
    EXPECT_TRUE(sound.lastStarted().empty());
}

}  // namespace
