// What the page draws, as JSON: the picture and label stack, the text panel's line, buttons,
// list and menu, and the fixed looks (cursor pictures, information windows' texts).
#pragma once

#include "desktop/slot_choice.hpp"
#include "web/web_game.hpp"

#include <string>

namespace web {

// The window's current state; pictures carry the path the game loaded.
std::string viewJson(const WebGame& game);
// The window of saved positions: its captions, each slot's lines, picture and whether it can be
// chosen, and the row ready for Enter.
std::string slotWindowJson(const WebGame& game, desktop::SlotWindowMode mode);
// What lies under the pointer.
std::string pointerJson(const PointerLook& look);
// The hotspots and map spots a click would reach now, with their rectangles and hints, for the
// page to outline while the player holds Tab.
std::string reachableJson(const WebGame& game);
// Every line shown since the last "Nová" or "Nahrát", oldest first, with the history box's texts.
std::string historyJson(const WebGame& game);
// The About window's moving parts: the group box's and each line's left edge.
std::string aboutJson(const WebGame& game);
// The six cursors as rows of text with their hot spots, the two information windows' texts and
// the page's own words, in the game's language.
std::string looksJson(const WebGame& game);

}  // namespace web
