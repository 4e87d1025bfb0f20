// A started main window on a virtual clock with a recording platform, and helpers that put it
// into a given state of play, for the core tests of every area.
#pragma once

#include "../support/temp_dir.hpp"
#include "app/main_form.hpp"
#include "ui/recording_platform.hpp"
#include "ui/virtual_clock.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace kvtest {

// The main window as the program starts it: built, FormCreate run, data.dat in a temporary
// directory. Every picture counts as readable unless listed in platform.missingPictures.
class FormHarness {
public:
    // With checkpointReached, data.dat holds "1" before start-up, so "Nahrát" is enabled.
    explicit FormHarness(bool checkpointReached = false)
        : owned_(std::make_unique<app::TfrmHlavni>(clock, platform)), form(*owned_) {
        form.checkpointPath = checkpointFile().string();
        if (checkpointReached) writeCheckpointFile("1");
        form.FormCreate();
    }

    [[nodiscard]] std::filesystem::path checkpointFile() const { return dir.path() / "data.dat"; }

    void writeCheckpointFile(const std::string& content) const {
        std::FILE* f = std::fopen(checkpointFile().string().c_str(), "w");
        if (f == nullptr) throw std::runtime_error("cannot write data.dat");
        std::fputs(content.c_str(), f);
        std::fclose(f);
    }

    // --- putting the form into a state of play

    // The player has control at this storyStage: every timer stopped, the shield down, the
    // scene picture, the list and the three buttons enabled and visible, the starting set of
    // held pictures loaded. Scene and inventory are left to enterScene and carry.
    void takeControl(int storyStage) {
        form.Timer.setEnabled(false);
        form.TimerX.setEnabled(false);
        form.Timer2.setEnabled(false);
        form.TimerDead.setEnabled(false);
        form.imgClona->setEnabled(false);
        form.imgHlavni->setEnabled(true);
        for (ui::Component* button : {&form.btnZpet, &form.btnPruzkum, &form.btnSpojit}) {
            button->setEnabled(true);
            button->setVisible(true);
        }
        form.lbPredmety.setEnabled(true);
        form.lbPredmety.setVisible(true);
        form.loadHeldPictures(app::HeldPictureSet::Starting);
        form.state.storyStage = storyStage;
    }

    // Places the agent in a scene with every hotspot disabled; enable names the ones to open.
    void enterScene(int sceneId, int pictureId, std::initializer_list<int> enable = {}) {
        form.disableAllHotspots();
        form.state.sceneId = sceneId;
        form.state.pictureId = pictureId;
        for (int n : enable) form.cur(n).setEnabled(true);
    }

    // Replaces the inventory by these entries, itemCount matching them.
    void carry(std::initializer_list<const char*> captions) {
        form.clearInventory();
        for (const char* caption : captions) form.appendInventoryEntry(caption);
        form.state.itemCount = static_cast<std::int32_t>(captions.size());
    }

    // --- the player's input

    // Position of the first entry with this caption, or -1.
    [[nodiscard]] int position(const std::string& caption) const {
        for (int p = 0; p < form.lbPredmety.count(); ++p)
            if (form.lbPredmety.caption(p) == caption) return p;
        return -1;
    }
    // Clicks the first entry with this caption (the test fails if there is none).
    void select(const std::string& caption) {
        const int p = position(caption);
        ASSERT_GE(p, 0) << "no entry " << caption;
        form.lbPredmety.click(p);
    }
    void selectNone() { form.lbPredmety.click(std::nullopt); }
    void doubleClick(const std::string& caption) {
        const int p = position(caption);
        ASSERT_GE(p, 0) << "no entry " << caption;
        form.lbPredmety.doubleClick(p);
    }

    // Mouse move and click at window client coordinates, through the hit test as in the window.
    // Returns the component that received them, or nullptr.
    ui::Component* moveTo(int x, int y) {
        ui::Component* hit = form.stack.hitTest(x, y);
        if (hit != nullptr && hit->onMouseMove) hit->onMouseMove(x - hit->rect().left, y - hit->rect().top);
        return hit;
    }
    ui::Component* clickAt(int x, int y) {
        ui::Component* hit = form.stack.hitTest(x, y);
        if (hit != nullptr && hit->onClick) hit->onClick();
        return hit;
    }
    // Clicks the centre of a component through the hit test; true if it received the click.
    bool click(ui::Component& target) {
        const ui::Rect& r = target.rect();
        return clickAt(r.left + r.width / 2, r.top + r.height / 2) == &target;
    }
    bool clickHotspot(int n) { return click(form.cur(n)); }
    bool clickMapSpot(int n) { return click(form.map(n)); }
    void press(ui::Component& button) {
        if (button.enabled() && button.visible() && button.onClick) button.onClick();
    }

    // --- reading the form

    // The numbers of the enabled hotspots imgCur1 ... imgCur47.
    [[nodiscard]] std::vector<int> enabledHotspots() const {
        std::vector<int> out;
        for (int n = 1; n <= app::kHotspotCount; ++n)
            if (form.cur(n).enabled()) out.push_back(n);
        return out;
    }
    // The flags 1 ... 19 that are set.
    [[nodiscard]] std::vector<int> heldFlags() const {
        std::vector<int> out;
        for (int k = 1; k <= app::kHeldFlagCount; ++k)
            if (form.holding(k)) out.push_back(k);
        return out;
    }
    [[nodiscard]] std::string picture() const { return form.imgHlavni->picture(); }

    ui::VirtualClock clock;
    ui::RecordingPlatform platform;
    TempDir dir;

private:
    std::unique_ptr<app::TfrmHlavni> owned_;

public:
    app::TfrmHlavni& form;
};

// The program started once more in a working directory: its own clock, platform and form.
struct NextStart {
    explicit NextStart(const std::filesystem::path& checkpointFile) {
        form.checkpointPath = checkpointFile.string();
        form.FormCreate();
    }
    ui::VirtualClock clock;
    ui::RecordingPlatform platform;
    app::TfrmHlavni form{clock, platform};
};

// For TEST_F: a fresh start without a checkpoint file.
class FormTest : public ::testing::Test, protected FormHarness {};

// For TEST_F: a fresh start after the checkpoint was reached in an earlier run.
class CheckpointFormTest : public ::testing::Test, protected FormHarness {
protected:
    CheckpointFormTest() : FormHarness(true) {}
};

}  // namespace kvtest
