// A copy of everything the player can change in the main window, to branch a game and go back.
#pragma once

#include "app/game_state.hpp"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace app {

class TfrmHlavni;

// Pictures and texts are kept as numbers into one table of every string seen, so that the
// hundreds of thousands of snapshots an exploration holds stay small.
struct ComponentSnapshot {
    bool enabled = false;
    bool visible = false;
    std::int16_t left = 0;
    std::int16_t top = 0;
    std::int32_t cursor = 0;
    std::int32_t picture = 0;
    std::int32_t text = 0;
    // Hotspots, map spots, the shield and the buttons decide what a click can do; the held
    // pictures, labels and the scene picture only show things.
    bool steersPlay = false;
    friend bool operator==(const ComponentSnapshot&, const ComponentSnapshot&) = default;
};

struct TimerSnapshot {
    bool enabled = false;
    int interval = 0;
    friend bool operator==(const TimerSnapshot&, const TimerSnapshot&) = default;
};

struct FormSnapshot {
    GameState state;
    std::vector<ComponentSnapshot> components;  // the stack, then lblText and the three buttons
    std::vector<std::int32_t> inventory;  // captions, as numbers into the same table
    std::optional<int> selected;
    bool listEnabled = false;
    bool listVisible = false;
    std::array<TimerSnapshot, 4> timers;  // Timer, TimerX, Timer2, TimerDead
    std::vector<bool> menuEnabled;
    std::vector<bool> menuChecked;
    friend bool operator==(const FormSnapshot&, const FormSnapshot&) = default;
};

FormSnapshot takeSnapshot(const TfrmHlavni& form);

// Puts the form back as it was. A running timer restarts its wait, so snapshots are meant
// to be taken where timers have just started or stopped.
void restoreSnapshot(TfrmHlavni& form, const FormSnapshot& snapshot);

// The parts of a snapshot that decide what the player can still do: the state, which
// hotspots, map spots, buttons and the shield are enabled and visible, the list and the
// timers; not pictures, texts, labels or held pictures.
std::string progressKey(const FormSnapshot& snapshot);

}  // namespace app
