// Exhaustive exploration of the game: every distinct state a player can reach without the menu,
// and every state from which the end titles can no longer be reached.
#pragma once

#include "app/form_snapshot.hpp"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace app {
class TfrmHlavni;
}

namespace explore {

enum class Start { NewGame, Continue };

struct Options {
    Start start = Start::NewGame;
    std::size_t maxStates = 0;  // 0: no limit; otherwise stop expanding after this many states
    // Changes the game right after the start (tests use it to break the game on purpose).
    std::function<void(app::TfrmHlavni&)> prepare;
};

struct DeadEnd {
    std::string description;          // storyStage, sceneId and the like
    std::vector<std::string> path;    // kvelnor-script lines from the start
};

struct Report {
    std::size_t states = 0;
    std::size_t actions = 0;
    std::size_t goals = 0;        // states at the end titles
    std::size_t unexpanded = 0;   // states left when the limit was reached
    std::vector<DeadEnd> deadEnds;
    std::vector<std::size_t> statesPerStage;  // how many states each storyStage has
};

Report explore(const Options& options);

}  // namespace explore
