// The third phase: each dead end's path played again from the start, for the kvelnor-script
// lines that lead there and a description of where it ends.
#pragma once

#include "explore/actions.hpp"
#include "explore/explorer.hpp"
#include "explore/game.hpp"
#include "explore/search.hpp"

#include <cstdint>
#include <vector>

namespace explore {

class Replayer {
public:
    Replayer(const SearchResult& found, const Options& options);

    DeadEnd replay(std::uint32_t state);

private:
    // Takes the form through its key and look and back, as the search did with every state
    // it expanded (a running countdown restarts its wait); returns the key.
    Bytes roundTrip();

    const SearchResult& found_;
    const Options& options_;
    Game game_;
    StateCodec codec_;
    DecodedState decoded_;
    ActionLister lister_;
    std::vector<Action> actions_;
};

}  // namespace explore
