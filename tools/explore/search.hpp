// The first phase: a breadth-first search of every state a player can reach, one action at a
// time, on one game per thread; the states come out numbered as one thread would number them.
#pragma once

#include "explore/explorer.hpp"
#include "explore/state_codec.hpp"
#include "explore/state_store.hpp"

#include <cstdint>
#include <memory>
#include <vector>

namespace explore {

struct StateNode {
    std::uint32_t parent = StateStore::kMissing;
    std::uint16_t action = 0;  // which of the parent's actions leads here
    std::uint8_t ranOut : 1 = 0;  // and whether the countdown was then let run out
    std::uint8_t goal : 1 = 0;    // the end titles
    std::uint8_t expanded : 1 = 0;
};

struct SearchResult {
    std::unique_ptr<SharedStrings> strings = std::make_unique<SharedStrings>();
    StateStore store;
    BlockArray<StateNode> nodes;
    Bytes firstLook;  // the start's look: replaying begins there
    // The distinct states each expanded state leads to (itself left out), state by state.
    BlockArray<std::uint32_t> edges;
    BlockArray<std::uint32_t> edgeStart;  // one more than nodes; edges of s: [edgeStart[s], edgeStart[s + 1])
    std::size_t actions = 0;
    std::vector<std::size_t> statesPerStage;
    std::size_t peakLookBytes = 0;  // the looks of states waiting to be expanded, at most
    unsigned threads = 1;
};

SearchResult search(const Options& options);

}  // namespace explore
