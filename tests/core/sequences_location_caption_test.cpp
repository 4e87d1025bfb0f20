// The location caption typed by TimerX: the typing rule, the key sounds, the timing and the end.
#include "form_fixture.hpp"

#include "app/data_files.hpp"

namespace {

const std::string kIndent(15, ' ');
const std::string kSquareLine1 = "Lokace : Mlýnotrhy-náměstí";
const std::string kPubLine1 = "Lokace : Mlýnotrhy-hospoda";
const std::string kSquareCaption =
    kSquareLine1 + "\n" + kIndent + "někde v ČR\n" + "Čas : 13:42 SELČ\n" + "Datum : 18.8.2003";
const std::string kPubCaption = kPubLine1 + "\n" + kIndent + "někde v ČR\n" + "Čas : 09:56 SELČ\n" + "Datum : 19.8.2003";

class LocationCaptionTest : public kvtest::FormTest {
protected:
    LocationCaptionTest() { platform.messages.clear(); }

    // What the script does on arrival (step 0) and on the second morning (step 100).
    void startCaption(int fromStep) {
        form.lblX->setEnabled(true);
        form.state.sequenceStep = fromStep;
        form.TimerX.setEnabled(true);
        form.imgClona->setEnabled(true);
    }
    // Advances 100 ms at a time until sequenceStep reaches the step.
    void stepTo(int step) {
        while (form.state.sequenceStep < step && form.TimerX.enabled()) clock.advance(app::kTimerXInterval);
        ASSERT_EQ(form.state.sequenceStep, step);
    }
    [[nodiscard]] std::string caption() const { return form.lblX->text(); }
};

TEST_F(LocationCaptionTest, SquareCaptionAddsLineBreaksOnlyWithTheNextLinesFirstCharacter) {
    startCaption(0);
    stepTo(3);
    EXPECT_EQ(caption(), "") << "a pause before the first key";
    stepTo(4);
    EXPECT_EQ(caption(), "L");
    stepTo(29);
    EXPECT_EQ(caption(), kSquareLine1);
    stepTo(30);
    EXPECT_EQ(caption(), kSquareLine1 + "\n" + kIndent + "n");
    stepTo(39);
    EXPECT_EQ(caption(), kSquareLine1 + "\n" + kIndent + "někde v ČR");
    stepTo(40);
    EXPECT_EQ(caption(), kSquareLine1 + "\n" + kIndent + "někde v ČR\nČ");
    stepTo(56);
    EXPECT_EQ(caption(), kSquareLine1 + "\n" + kIndent + "někde v ČR\nČas : 13:42 SELČ\nD");
    stepTo(72);
    EXPECT_EQ(caption(), kSquareCaption);
    stepTo(99);
    EXPECT_EQ(caption(), kSquareCaption);
    EXPECT_TRUE(form.imgClona->enabled());
    EXPECT_TRUE(form.TimerX.enabled());
    stepTo(100);
    EXPECT_EQ(caption(), "");
    EXPECT_FALSE(form.lblX->enabled());
    EXPECT_FALSE(form.TimerX.enabled());
    EXPECT_FALSE(form.imgClona->enabled());
    EXPECT_EQ(clock.now(), 10'000);
}

TEST_F(LocationCaptionTest, EveryTypedCharacterPlaysOneKeyAndBothCaptionsTypeToTheSameKeys) {
    startCaption(0);
    stepTo(3);
    EXPECT_TRUE(platform.sounds.empty());
    stepTo(4);
    EXPECT_EQ(platform.sounds, (std::vector<std::string>{snd::key1}));
    stepTo(72);
    EXPECT_EQ(platform.sounds.size(), 69u);
    stepTo(100);
    const std::vector<std::string> square = platform.sounds;
    EXPECT_EQ(square.size(), 69u) << "nothing while the caption is held";
    for (const std::string& key : square)
        EXPECT_TRUE(key == snd::key1 || key == snd::key2 || key == snd::key3 || key == snd::key4) << key;

    platform.sounds.clear();
    startCaption(100);
    stepTo(101);
    EXPECT_EQ(platform.sounds.size(), 1u);
    stepTo(200);
    EXPECT_EQ(platform.sounds, square);
}

TEST_F(LocationCaptionTest, WithSoundsOffTheCaptionTypesAtTheSamePaceInSilence) {
    form.state.soundOn = 0;
    startCaption(0);
    clock.advance(2'900);
    EXPECT_EQ(caption(), kSquareLine1);
    clock.advance(4'300);
    EXPECT_EQ(caption(), kSquareCaption);
    clock.advance(2'800);
    EXPECT_FALSE(form.TimerX.enabled());
    EXPECT_TRUE(platform.sounds.empty());
}

TEST_F(LocationCaptionTest, PubCaptionStartsTypingAtOnceAndHoldsThreeSeconds) {
    startCaption(100);
    stepTo(101);
    EXPECT_EQ(caption(), "L");
    stepTo(126);
    EXPECT_EQ(caption(), kPubLine1);
    stepTo(127);
    EXPECT_EQ(caption(), kPubLine1 + "\n" + kIndent + "n");
    stepTo(169);
    EXPECT_EQ(caption(), kPubCaption);
    stepTo(199);
    EXPECT_EQ(caption(), kPubCaption);
    stepTo(200);
    EXPECT_EQ(caption(), "");
    EXPECT_FALSE(form.lblX->enabled());
    EXPECT_FALSE(form.imgClona->enabled());
    EXPECT_EQ(clock.now(), 10'000);
}

TEST_F(LocationCaptionTest, ContinuingDuringTheSquareCaptionReplacesItWithThePubsToTheEnd) {
    startCaption(0);
    stepTo(40);
    form.mmNahratClick();
    clock.advance(app::kTimerXInterval);
    EXPECT_EQ(form.state.sequenceStep, 101);
    EXPECT_EQ(caption(), "L");
    stepTo(169);
    EXPECT_EQ(caption(), kPubCaption);
    stepTo(200);
    EXPECT_EQ(caption(), "");
    EXPECT_FALSE(form.TimerX.enabled());
}

}  // namespace
