// The desktop window over the game, offscreen: each click of a scenario is delivered as mouse
// events to the widget under it and timed from the event to the repainted frame, beside the floor
// measured right after it: the scene picture decoded by QImage alone and painted once.
#pragma once

#include "script/action.hpp"

#include <cstdint>
#include <string>
#include <vector>

namespace bench {

struct ClickTiming {
    double gameMs = 0;   // events in, handler run, pictures decoded, window repainted
    double floorMs = 0;  // the scene picture shown after the click: decoded and painted alone
    bool repainted = false;
    std::string action;   // the scenario's action, as a reader would write it
    std::string picture;  // the scene picture after the click
};

struct ClickReplay {
    std::vector<ClickTiming> clicks;
    std::int32_t lastStoryTick = 0;  // to check the window played the same game as the core
};

// Plays the actions once in the current working directory (which holds data/); needs the
// application object. Clicks go through Qt events, everything else through script::Session.
// The window shows the layout at the whole factor given (1: its designed size), and the floor
// paints its picture scaled by the same factor.
ClickReplay replayClicks(const std::vector<script::Action>& actions, int factor = 1);

}  // namespace bench
