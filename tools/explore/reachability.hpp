// The second phase: walking the found actions backwards from the end titles.
#pragma once

#include "explore/search.hpp"

#include <vector>

namespace explore {

// True for every state from which the end titles can still be reached, or might be: a state
// left unexpanded by the limit counts as able to.
std::vector<bool> hopefulStates(const SearchResult& found);

}  // namespace explore
