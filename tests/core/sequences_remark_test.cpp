// The agent's remarks on Timer2: when each shows, how long it stays, and how it ends.
#include "form_fixture.hpp"

#include "sequences/remarks.hpp"

namespace {

class RemarkTest : public kvtest::FormTest {
protected:
    RemarkTest() {
        takeControl(11);
        form.setLine("předchozí řádek");
    }
    void beats(int count) { clock.advance(static_cast<std::int64_t>(count) * form.Timer2.interval()); }
    [[nodiscard]] std::string line() const { return form.lblText.text(); }
    [[nodiscard]] bool ended() const { return !form.Timer2.enabled() && !form.imgClona->enabled() && line().empty(); }
};

TEST_F(RemarkTest, EveryRemarkIsTheAgentToHimselfAndShowsFromOneBeatAfterTheStartUntilItsEndFrame) {
    const auto& all = sequences::remarks();
    ASSERT_EQ(all.size(), 4u);
    for (const sequences::Remark& remark : all) {
        SCOPED_TRACE("remark " + std::to_string(remark.startFrame));
        EXPECT_EQ(remark.text.rfind("Kovář(pro sebe):", 0), 0u);
        EXPECT_GT(remark.text.size(), std::string("Kovář(pro sebe):").size());

        form.setLine("předchozí řádek");
        form.startRemark(remark.startFrame);
        EXPECT_TRUE(form.imgClona->enabled());
        clock.advance(form.Timer2.interval() - 1);
        EXPECT_EQ(line(), "předchozí řádek") << "nothing until one beat after the start";
        clock.advance(1);
        EXPECT_EQ(line(), remark.text);
        beats(remark.lastShown - remark.firstShown);
        EXPECT_EQ(line(), remark.text);
        EXPECT_TRUE(form.imgClona->enabled());
        beats(1);
        EXPECT_TRUE(ended());
        EXPECT_EQ(form.state.remarkFrame, remark.endFrame);
    }
}

TEST_F(RemarkTest, FirstRemarkStaysFiveBeatsAndTheThirdOnlyThree) {
    form.startRemark(0);
    beats(5);
    EXPECT_FALSE(ended());
    beats(1);
    EXPECT_TRUE(ended());

    form.startRemark(12);
    beats(3);
    EXPECT_FALSE(ended());
    beats(1);
    EXPECT_TRUE(ended());
    EXPECT_EQ(clock.now(), 10 * app::kIntervalMedium);
}

TEST_F(RemarkTest, SpeedChangeInTheMiddleRestartsTheWaitAndKeepsTheNewPace) {
    form.startRemark(6);
    beats(1);
    clock.advance(500);
    form.mmVysokaClick();
    clock.advance(app::kIntervalHigh - 1);
    EXPECT_EQ(form.state.remarkFrame, 7);
    clock.advance(1);
    EXPECT_EQ(form.state.remarkFrame, 8);
    clock.advance(4 * app::kIntervalHigh);
    EXPECT_EQ(form.state.remarkFrame, 12);
    EXPECT_TRUE(ended());
}

TEST_F(RemarkTest, RemarkEndLowersTheShieldEvenWhileTheCaptionOfContinuingStillTypes) {
    form.startRemark(0);
    beats(1);
    form.mmNahratClick();
    EXPECT_TRUE(form.Timer2.enabled()) << "continuing leaves the remark running";
    beats(5);
    EXPECT_TRUE(form.TimerX.enabled());
    EXPECT_TRUE(ended());
}

}  // namespace
