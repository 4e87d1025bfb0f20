// Exhaustive exploration of the game: every distinct state a player can reach without the menu,
// and every state from which the end titles can no longer be reached.
#pragma once

#include "ui/catalogue.hpp"

#include <cstdint>
#include <functional>
#include <memory>
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
    unsigned threads = 0;       // games played side by side; 0: one per processor
    // How many dead ends are played again for their paths, the nearest first; 0: every one.
    std::size_t deadEndPaths = 0;
    // The language the games are shown in; none: Czech. The rules must not care.
    std::shared_ptr<const ui::Catalogue> catalogue;
    // Changes the game right after the start (tests use it to break the game on purpose).
    std::function<void(app::TfrmHlavni&)> prepare;
};

struct DeadEnd {
    std::string description;          // storyStage, sceneId and the like
    std::vector<std::string> path;    // kvelnor-script lines from the start
};

// What the exploration cost, for --stats.
struct Costs {
    unsigned threads = 1;
    double searchSeconds = 0;
    double reachabilitySeconds = 0;
    double replaySeconds = 0;
    std::size_t keyBytes = 0;    // the stored keys with their index and the string tables
    std::size_t stateBytes = 0;  // parents and actions of every state
    std::size_t edgeBytes = 0;   // which states each state leads to
    std::size_t peakLookBytes = 0;  // the looks of states waiting to be expanded, at most
};

struct Report {
    std::size_t states = 0;
    std::size_t actions = 0;
    std::size_t goals = 0;        // states at the end titles
    std::size_t unexpanded = 0;   // states left when the limit was reached
    std::size_t deadEndCount = 0;
    std::vector<DeadEnd> deadEnds;  // the nearest, at most Options::deadEndPaths of them
    std::vector<std::size_t> statesPerStage;  // how many states each storyStage has
    Costs costs;
};

Report explore(const Options& options);

}  // namespace explore
