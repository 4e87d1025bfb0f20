// The main window in the player's turn with the story script left out, so an area test sees
// exactly what a hotspot's click starts: the start value, the clock, the remark and the shield.
#pragma once

#include "form_fixture.hpp"
#include "story/script.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kvtest {

// Everything a click can change, to show that a click changed nothing.
struct Snapshot {
    app::GameState state;
    std::vector<int> hotspots;
    std::string picture;
    std::vector<std::string> inventory;
    bool timer = false;
    bool timer2 = false;
    bool shield = false;
    friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

class AreaTest : public FormTest {
protected:
    AreaTest() {
        static const story::Script kNoScript;
        form.setScript(&kNoScript);
    }

    // The player's turn at this storyStage in this scene, with these hotspots enabled.
    void at(int storyStage, int sceneId, int pictureId, std::initializer_list<int> hotspots) {
        takeControl(storyStage);
        enterScene(sceneId, pictureId, hotspots);
    }

    // Puts the item of this held flag into the hand, as a click in the list would.
    void hold(int flag) {
        form.dropHeldItem();
        form.setHeld(flag, 1);
    }

    // Clicks a hotspot through the hit test; the test fails if something else got the click.
    void clickOn(int n) { ASSERT_TRUE(clickHotspot(n)) << "imgCur" << n << " did not receive the click"; }

    [[nodiscard]] Snapshot snapshot() const {
        return {form.state,          enabledHotspots(),     picture(),
                form.lbPredmety.captions(), form.Timer.enabled(), form.Timer2.enabled(),
                form.imgClona->enabled()};
    }

    // The click started the cutscene at this start value: clock and shield on, and one
    // interval later the tick after the start value runs.
    void expectCutscene(int startValue) {
        EXPECT_EQ(form.state.storyTick, startValue);
        EXPECT_TRUE(form.Timer.enabled());
        EXPECT_TRUE(form.imgClona->enabled());
        clock.advance(form.Timer.interval());
        EXPECT_EQ(form.state.storyTick, startValue + 1);
    }

    // The click started the remark at this frame, shield up, story clock untouched.
    void expectRemark(int startFrame) {
        EXPECT_EQ(form.state.remarkFrame, startFrame);
        EXPECT_TRUE(form.Timer2.enabled());
        EXPECT_TRUE(form.imgClona->enabled());
        EXPECT_FALSE(form.Timer.enabled());
    }

    [[nodiscard]] bool storyRunning() const { return form.Timer.enabled(); }
    [[nodiscard]] std::vector<std::string> inventory() const { return form.lbPredmety.captions(); }
};

}  // namespace kvtest
