// Seeded random play: clicks anywhere, the list, the buttons, the menu and waits, checking the
// game's invariants after every action.
#pragma once

#include <cstdint>
#include <string>

namespace monkey {

struct Result {
    std::uint64_t seed = 0;
    long actions = 0;          // actions played
    int deepestStage = 0;      // the furthest storyStage the play reached
    std::string failure;       // empty when every check held
    std::string lastActions;   // the actions before the failure, newest last
};

// Plays `actions` random actions from a fresh start with the given seed.
Result play(std::uint64_t seed, long actions);

}  // namespace monkey
