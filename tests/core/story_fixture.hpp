// The main window with the game's own script, and helpers that walk the story clock beat by beat.
#pragma once

#include "form_fixture.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace kvtest {

class StoryTest : public FormTest {
protected:
    StoryTest() { platform.messages.clear(); }  // start-up's note about the missing data.dat

    // One beat of the story clock at its current speed.
    void beat() { clock.advance(form.Timer.interval()); }

    // Beats until storyTick reaches the tick; fails if the clock stops on the way.
    void runTo(int tick) {
        while (form.state.storyTick < tick) {
            if (!form.Timer.enabled()) {
                ADD_FAILURE() << "the story clock stopped at tick " << form.state.storyTick << " before " << tick;
                return;
            }
            beat();
        }
        EXPECT_EQ(form.state.storyTick, tick);
    }

    // Runs from the start value and checks the scene picture at each of the given ticks.
    void expectPictures(int startValue, const std::vector<std::pair<int, const char*>>& frames) {
        form.startCutscene(startValue);
        for (const auto& [tick, path] : frames) {
            runTo(tick);
            EXPECT_EQ(picture(), path) << "tick " << tick;
        }
    }

    // A pause point: the clock stopped, the shield lowered, the line cleared, the stage set.
    void expectPause(int tick, int storyStage) {
        EXPECT_EQ(form.state.storyTick, tick);
        EXPECT_FALSE(form.Timer.enabled()) << "tick " << tick;
        EXPECT_FALSE(form.imgClona->enabled()) << "tick " << tick;
        EXPECT_EQ(line(), "") << "tick " << tick;
        EXPECT_EQ(form.state.storyStage, storyStage) << "tick " << tick;
    }

    // The player's turn at this storyStage, with these hotspots enabled and these items carried.
    void playerAt(int storyStage, std::initializer_list<int> hotspots, std::initializer_list<const char*> items) {
        takeControl(storyStage);
        form.disableAllHotspots();
        for (int n : hotspots) form.cur(n).setEnabled(true);
        carry(items);
        platform.sounds.clear();
    }

    [[nodiscard]] std::string line() const { return form.lblText.text(); }
    [[nodiscard]] long lineBreaks() const {
        const std::string& text = form.lblText.text();
        return std::count(text.begin(), text.end(), '\n');
    }
    [[nodiscard]] std::vector<std::string> inventory() const { return form.lbPredmety.captions(); }
    [[nodiscard]] long entries(const char* caption) const {
        const auto items = inventory();
        return std::count(items.begin(), items.end(), caption);
    }
    [[nodiscard]] std::vector<std::string> sounds() const { return platform.sounds; }
};

}  // namespace kvtest
