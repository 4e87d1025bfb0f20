#include "explore/replay.hpp"

#include <algorithm>
#include <cstring>

namespace explore {

Replayer::Replayer(const SearchResult& found, const Options& options)
    : found_(found), options_(options), codec_(game_.form, *found.strings), lister_(game_.form) {
    begin(game_, options);
}

Bytes Replayer::roundTrip() {
    Bytes key;
    Bytes look;
    codec_.key(key);
    codec_.look(look);
    codec_.decode(key, look, decoded_);
    codec_.restore(decoded_);
    return key;
}

DeadEnd Replayer::replay(std::uint32_t state) {
    std::vector<std::uint32_t> chain;
    for (std::uint32_t s = state; s != StateStore::kMissing; s = found_.nodes[s].parent) chain.push_back(s);
    std::reverse(chain.begin(), chain.end());

    // Every path leaves from the start as the search first saw it.
    codec_.decode(found_.store.key(chain.front()), found_.firstLook, decoded_);
    codec_.restore(decoded_);
    DeadEnd dead;
    dead.path.push_back(beginLines(options_));
    for (std::size_t i = 1; i < chain.size(); ++i) {
        const StateNode& step = found_.nodes[chain[i]];
        if (i > 1) roundTrip();
        lister_.list(game_.form, actions_);
        const Action& action = actions_.at(step.action);
        dead.path.push_back(scriptLines(game_.form, action) + "\nsettle" +
                            (step.ranOut ? std::string("\n") + kRunOutLine : ""));
        perform(game_.form, action);
        game_.settle();
        if (step.ranOut) game_.runOutCountdown();
    }
    const Bytes key = roundTrip();
    dead.description = describe(game_.form);
    const std::span<const std::uint8_t> stored = found_.store.key(state);
    if (key.size() != stored.size() || std::memcmp(key.data(), stored.data(), key.size()) != 0)
        dead.description += " (played again, the path led elsewhere)";
    return dead;
}

}  // namespace explore
