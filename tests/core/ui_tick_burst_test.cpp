// Ticks run at once: the same ticks in the same order as the clock would have run them.
#include "ui/tick_burst.hpp"
#include "ui/virtual_clock.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr std::int64_t kNoLimit = 1'000'000;

struct TwoTimers : ::testing::Test {
    ui::VirtualClock clock;
    ui::Timer slow{"slow", 300, clock};
    ui::Timer fast{"fast", 100, clock};
    std::vector<std::string> log;

    TwoTimers() {
        slow.onTimer = [this] { log.push_back("slow"); };
        fast.onTimer = [this] { log.push_back("fast"); };
    }
    // What the clock itself fires in ms, for comparison.
    std::vector<std::string> onTheClock(std::int64_t ms) {
        log.clear();
        clock.advance(ms);
        return log;
    }
};

TEST_F(TwoTimers, FiresInTimeOrderWithTiesToTheEarlierTimerFromWhereTheClockStands) {
    slow.setEnabled(true);
    fast.setEnabled(true);
    clock.advance(150);  // fast fired once; slow is 150 ms away, fast 50
    log.clear();
    int count = 0;
    const int fired = ui::runTicksNow(clock, {&slow, &fast}, [&] { return ++count > 6; }, kNoLimit);
    EXPECT_EQ(fired, 6);
    // fast at 50, 150, 250 and 350; slow at 150 and 450, first at the tie as it was created first.
    EXPECT_EQ(log, (std::vector<std::string>{"fast", "slow", "fast", "fast", "fast", "slow"}));
}

TEST_F(TwoTimers, AHandlerThatRestartsATimerMovesItsNextTickAsOnTheClock) {
    fast.setEnabled(true);
    // The third fast tick starts slow: its first tick comes 300 ms after that one.
    fast.onTimer = [this] {
        log.push_back("fast");
        if (log.size() == 3) slow.setEnabled(true);
    };
    ui::runTicksNow(clock, {&slow, &fast}, [&] { return std::count(log.begin(), log.end(), "slow") == 2; }, kNoLimit);
    // Slow ticks at 600 and 900, each before fast's tick of the same moment.
    EXPECT_EQ(log, (std::vector<std::string>{"fast", "fast", "fast", "fast", "fast", "slow", "fast", "fast", "fast",
                                             "slow"}));
}

TEST_F(TwoTimers, StopsWhenNoTimerRunsOrTheLimitIsReached) {
    fast.setEnabled(true);
    fast.onTimer = [this] {
        log.push_back("fast");
        if (log.size() == 4) fast.setEnabled(false);
    };
    EXPECT_EQ(ui::runTicksNow(clock, {&slow, &fast}, [] { return false; }, kNoLimit), 4);
    fast.setEnabled(true);
    log.clear();
    fast.onTimer = [this] { log.push_back("fast"); };
    // Ticks at 100 ... 1000 lie within a second of game time, the eleventh does not.
    EXPECT_EQ(ui::runTicksNow(clock, {&slow, &fast}, [] { return false; }, 1000), 10);
}

TEST_F(TwoTimers, NothingRunsWhileABoxHoldsTheClock) {
    fast.setEnabled(true);
    clock.suspend();
    EXPECT_EQ(ui::runTicksNow(clock, {&fast}, [] { return false; }, kNoLimit), 0);
    EXPECT_TRUE(log.empty());
    clock.resume();
}

TEST_F(TwoTimers, AfterwardsTheClockWaitsAFreshIntervalAndTimeStandsStill) {
    slow.setEnabled(true);
    fast.setEnabled(true);
    clock.advance(50);
    int count = 0;
    ui::runTicksNow(clock, {&slow, &fast}, [&] { return ++count > 2; }, kNoLimit);
    EXPECT_EQ(clock.now(), 50);
    EXPECT_EQ(clock.untilNextTick(), 100);
    EXPECT_EQ(onTheClock(100), (std::vector<std::string>{"fast"}));
    EXPECT_EQ(onTheClock(200), (std::vector<std::string>{"fast", "slow", "fast"}));
}

}  // namespace
