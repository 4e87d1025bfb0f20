// The About window's slide-in on the virtual clock: arrival ticks, replays, standing still.
#include "info/about_slide_in.hpp"
#include "ui/virtual_clock.hpp"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

constexpr int kStartWidth = 410;

struct SlideInTest : ::testing::Test {
    // Ticks until each control first stands at its place, counted from the activation.
    std::map<std::string, int> arrivalTicks() {
        std::map<std::string, int> arrival;
        for (int tick = 1; tick <= 1000 && !slide.arrived(); ++tick) {
            clock.advance(info::kSlideTickMs);
            if (!arrival.contains("GroupBox1") && slide.groupBoxLeft() == info::kAboutGroupBox.left)
                arrival["GroupBox1"] = tick;
            for (int n = 0; n < info::kAboutLineCount; ++n) {
                const auto line = static_cast<info::AboutLine>(n);
                const info::PlacedText& text = info::kAboutLines.at(static_cast<std::size_t>(n));
                if (!arrival.contains(text.name) && slide.lineLeft(line) == text.rect.left) arrival[text.name] = tick;
            }
        }
        return arrival;
    }

    ui::VirtualClock clock;
    info::AboutSlideIn slide{clock};
};

TEST_F(SlideInTest, EachControlSlidesInFromTheWindowEdgeAndArrivesOnItsOwnTick) {
    slide.FormActivate(kStartWidth);
    EXPECT_EQ(slide.groupBoxLeft(), kStartWidth);
    EXPECT_EQ(slide.lineLeft(info::kTitle), kStartWidth);
    const std::map<std::string, int> expected = {
        {"Label2", 258}, {"Label3", 338}, {"Label4", 338}, {"Label5", 354}, {"Label1", 370}, {"GroupBox1", 402},
    };
    EXPECT_EQ(arrivalTicks(), expected);
}

TEST_F(SlideInTest, EveryActivationPlaysTheSlideInAgainInFull) {
    slide.FormActivate(kStartWidth);
    clock.advance(4020);
    ASSERT_TRUE(slide.arrived());
    slide.FormActivate(kStartWidth);
    EXPECT_EQ(arrivalTicks().at("GroupBox1"), 402);
    // Activated again halfway: everything starts over from the edge.
    slide.FormActivate(kStartWidth);
    clock.advance(1000);
    slide.FormActivate(kStartWidth);
    EXPECT_EQ(slide.groupBoxLeft(), kStartWidth);
    EXPECT_EQ(slide.lineLeft(info::kVersion), kStartWidth);
}

TEST_F(SlideInTest, ArrivedControlsStandStillAndTheTimerRests) {
    int moves = 0;
    slide.onMoved = [&] { ++moves; };
    slide.FormActivate(kStartWidth);
    clock.advance(4020);
    const int movesWhenArrived = moves;
    EXPECT_FALSE(slide.Timer.enabled());
    clock.advance(5000);
    EXPECT_EQ(moves, movesWhenArrived);
    EXPECT_EQ(slide.groupBoxLeft(), info::kAboutGroupBox.left);
    for (int n = 0; n < info::kAboutLineCount; ++n)
        EXPECT_EQ(slide.lineLeft(static_cast<info::AboutLine>(n)), info::kAboutLines.at(static_cast<std::size_t>(n)).rect.left);
}

TEST_F(SlideInTest, ANarrowWindowNeverMovesAControlRightwards) {
    // A window narrower than a line's place: that line stays where activation put it.
    slide.FormActivate(100);
    clock.advance(2000);
    EXPECT_EQ(slide.lineLeft(info::kVersion), 100);
    EXPECT_EQ(slide.lineLeft(info::kTitle), 40);
    EXPECT_EQ(slide.groupBoxLeft(), 8);
}

}  // namespace
