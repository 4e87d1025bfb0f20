// The chase's death countdown: the pictures at seconds 15 and 17, and the rod that stops it.
#include "form_fixture.hpp"

#include "app/data_files.hpp"
#include "inventory/item_names.hpp"
#include "story/script.hpp"

namespace {

class DeathCountdownTest : public kvtest::FormTest {
protected:
    // The passage as tick 685 leaves it: the agent runs, only the door can be clicked.
    DeathCountdownTest() {
        static const story::Script kNoScript;
        form.setScript(&kNoScript);
        takeControl(41);
        enterScene(6, 12, {47});
        carry({item::mobilniTelefon, item::tyc, item::zbran});
        form.showPicture(pic::tt1a);
        form.setLine("");
        platform.messages.clear();
        form.startDeathCountdown();
    }
    void seconds(int count) { clock.advance(static_cast<std::int64_t>(count) * app::kTimerDeadInterval); }
};

TEST_F(DeathCountdownTest, DoingNothingShowsThePursuersAtFifteenAndDeathAtSeventeen) {
    seconds(14);
    EXPECT_EQ(picture(), pic::tt1a);
    seconds(1);
    EXPECT_EQ(picture(), pic::tt1b);
    seconds(1);
    EXPECT_EQ(picture(), pic::tt1b);
    seconds(1);
    EXPECT_EQ(picture(), pic::dead);
    EXPECT_FALSE(form.TimerDead.enabled());
    EXPECT_FALSE(form.imgClona->enabled());
    EXPECT_EQ(form.state.deathStep, 0);
    EXPECT_EQ(form.lblText.text(), "");
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(form.cur(47).enabled()) << "death disables nothing";
}

TEST_F(DeathCountdownTest, RodOnTheDoorAtSecondFourteenEscapesBeforeThePursuersAppear) {
    seconds(14);
    form.setHeld(app::held::Rod, 1);
    ASSERT_TRUE(clickHotspot(47));
    EXPECT_FALSE(form.TimerDead.enabled());
    EXPECT_EQ(picture(), pic::tt1c);
    for (int second = 15; second <= 20; ++second) {
        seconds(1);
        EXPECT_EQ(picture(), pic::tt1c) << "second " << second;
    }
}

TEST_F(DeathCountdownTest, DoorWithoutTheRodLeavesTheCountRunning) {
    seconds(5);
    form.setHeld(app::held::Gun, 1);
    clickHotspot(47);
    form.dropHeldItem();
    clickHotspot(47);
    EXPECT_TRUE(form.TimerDead.enabled());
    seconds(10);
    EXPECT_EQ(picture(), pic::tt1b);
}

TEST_F(DeathCountdownTest, EveryNewCountGivesTheFullTimeAgain) {
    seconds(17);
    ASSERT_EQ(picture(), pic::dead);
    form.showPicture(pic::tt1a);
    form.startDeathCountdown();
    seconds(14);
    EXPECT_EQ(picture(), pic::tt1a);
    seconds(1);
    EXPECT_EQ(picture(), pic::tt1b);

    form.TimerDead.setEnabled(false);  // stopped part-way, as "Nahrát" does
    form.showPicture(pic::tt1a);
    form.startDeathCountdown();
    seconds(14);
    EXPECT_EQ(picture(), pic::tt1a);
    seconds(3);
    EXPECT_EQ(picture(), pic::dead);
}

}  // namespace
