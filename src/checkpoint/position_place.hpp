// Where the agent is in a saved position, in words for the slot list: "1. den – hospoda".
#pragma once

#include "app/game_state.hpp"

#include "ui/catalogue.hpp"

#include <string>
#include <vector>

namespace checkpoint {

std::string placeOf(const app::GameState& state, const ui::Catalogue& catalogue);
// The names of the places, as the slot list shows them after the day.
std::vector<std::string> placeWords();

}  // namespace checkpoint
