// Reads a kvelnor-script scenario into its actions, once, so a replay times only the game.
#pragma once

#include "script/action.hpp"

#include <string>
#include <vector>

namespace bench {

struct Scenario {
    std::vector<script::Action> actions;
    std::string error;  // the first malformed line or the unreadable file; empty when read
};

Scenario readScenario(const std::string& path);

// The actions a player performs with the mouse: hotspot and point clicks, list clicks and
// double clicks, button presses.
bool isPlayerClick(const script::Action& action);

}  // namespace bench
