// The explorer's compact copy of a settled game, as bytes in two parts: the key, everything
// that decides what the player can still do (the states that share it are one state), and the
// look, everything else the window shows, kept only until the state has been expanded.
#pragma once

#include "app/game_state.hpp"

#include <array>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

namespace app {
class TfrmHlavni;
}
namespace ui {
class Component;
}

namespace explore {

using Bytes = std::vector<std::uint8_t>;

// Strings numbered in the order first seen, shared by the games of one exploration and safe
// to use from several threads; a string keeps its place once numbered.
class StringNumbers {
public:
    std::uint32_t number(const std::string& s);
    const std::string& text(std::uint32_t n);
    std::size_t bytes();

private:
    std::mutex mutex_;
    std::unordered_map<std::string, std::uint32_t> numbers_;
    std::deque<std::string> strings_;
};

struct SharedStrings {
    StringNumbers looks;     // picture paths and texts
    StringNumbers captions;  // list entries, apart so that their numbers stay small in keys
};

// A state read back from its key and look, ready to be restored again and again.
struct DecodedState {
    std::uint64_t generation = 0;  // which decode filled it, so restoring it again can skip what is unchanged
    struct Component {
        bool enabled = false;
        bool visible = false;
        int left = 0;
        int top = 0;
        int cursor = 0;
        const std::string* picture = nullptr;
        const std::string* text = nullptr;
    };
    app::GameState state;
    std::vector<Component> components;  // the stack, then lblText and the three buttons
    std::vector<const std::string*> inventory;
    std::vector<std::uint32_t> inventoryNumbers;
    std::optional<int> selected;
    bool listEnabled = false;
    bool listVisible = false;
    struct Timer {
        bool enabled = false;
        int interval = 0;
    };
    std::array<Timer, 4> timers;  // Timer, TimerX, Timer2, TimerDead
    std::vector<bool> menuEnabled;
    std::vector<bool> menuChecked;
};

// Reads and restores one form. Each game of an exploration has its own codec; their bytes
// agree because they share the string numbers.
class StateCodec {
public:
    StateCodec(app::TfrmHlavni& form, SharedStrings& strings);

    // Appends the key: the game's variables, which hotspots, map spots, buttons and the
    // shield are enabled and visible, the list's entries and whether it takes clicks, and
    // the timers; no pictures, texts, cursors or positions.
    void key(Bytes& out);
    // Appends the look: every component's enabled, visible, position, cursor, picture and
    // text, the selected entry and the menu.
    void look(Bytes& out);

    void decode(std::span<const std::uint8_t> key, std::span<const std::uint8_t> look, DecodedState& out);

    // Puts the form back as it was. A running timer restarts its wait, so states are meant
    // to be taken where timers have just started or stopped.
    void restore(const DecodedState& state);

private:
    struct Remembered {
        std::string picture;
        std::uint32_t pictureNumber = 0;
        std::string text;
        std::uint32_t textNumber = 0;
        bool known = false;
    };
    const std::string& lookText(std::uint32_t n);
    const std::string& captionText(std::uint32_t n);

    app::TfrmHlavni& form_;
    SharedStrings& strings_;
    std::vector<ui::Component*> components_;
    std::vector<std::size_t> steering_;  // the components whose enabled and visible are in the key
    std::size_t fixedKeyBytes_ = 0;      // the most a key takes apart from the list's entries
    std::vector<Remembered> remembered_;  // per component, the strings it had when last read
    std::vector<const std::string*> lookTexts_;
    std::vector<const std::string*> captionTexts_;
    const DecodedState* restored_ = nullptr;  // the state last restored: most lists are still its list
    std::uint64_t restoredGeneration_ = 0;
    std::uint64_t generations_ = 0;
    std::vector<std::uint64_t> loadsAfterRestore_;  // each component's picture loads then
};

}  // namespace explore
