// A running game as one JSON document and back: the game state, every component, the list and
// its selection, the timers and the menu's marks. Reading checks everything before anything of
// the running game is touched, so a bad document changes nothing.
#pragma once

#include "app/game_state.hpp"
#include "checkpoint/json_value.hpp"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace app {
class TfrmHlavni;
}

namespace checkpoint {

// The version of the document's layout; a reader refuses a newer one.
inline constexpr int kPositionFormat = 1;
// The version of the game that wrote the document, shown to a curious player.
inline constexpr const char* kGameVersion = "1.0";
inline constexpr const char* kFormatName = "kvelnor-pozice";

struct ComponentLook {
    bool enabled = false;
    bool visible = false;
    int left = 0;
    int top = 0;
    std::string picture;
    std::string text;
    std::string hint;
    int cursor = 0;
};

struct TimerRun {
    bool enabled = false;
    int interval = 0;
};

// Everything a loaded position sets, in the form's own order; only made by readPosition.
struct Position {
    app::GameState state;
    std::vector<ComponentLook> components;  // the picture stack, then lblText and the three buttons
    bool listEnabled = false;
    bool listVisible = false;
    std::vector<std::string> entries;
    std::optional<int> selected;
    TimerRun timer, timerX, timer2, timerDead;
    bool nahratEnabled = false;
    bool soundChecked = true;
    std::deque<std::string> history;  // the dialogue lines shown, oldest first
    std::string savedAt;       // as the front end gave it when saving
    std::string scenePicture;  // imgHlavni's, for the slot list
};

// The body of the document (without its checksum).
json::Value positionJson(const app::TfrmHlavni& form, const std::string& savedAt);

// The position in a body, or the name of the first thing that is wrong with it (for the
// message; the body's format and version are checked by the caller).
struct PositionRead {
    std::optional<Position> position;
    std::string badItem;
};
PositionRead readPosition(const json::Value& body, const app::TfrmHlavni& form);

// Puts the position into the running game. The timers that ran start a fresh interval.
void applyPosition(app::TfrmHlavni& form, const Position& position);

}  // namespace checkpoint
