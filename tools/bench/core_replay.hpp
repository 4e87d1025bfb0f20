// The headless core replaying a scenario: every action through script::Session on the virtual clock.
#pragma once

#include "script/action.hpp"

#include <cstdint>
#include <vector>

namespace bench {

struct CoreReplay {
    double wallMs = 0;            // the whole replay, from a fresh session to the last action
    std::int64_t storyMs = 0;     // game time the virtual clock advanced meanwhile
    std::int32_t lastStoryTick = 0;
};

// Plays the actions once in the current working directory (which holds data/).
CoreReplay replayCore(const std::vector<script::Action>& actions);

}  // namespace bench
