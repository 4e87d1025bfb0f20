// Where the agent is in a saved position, in Czech words for the slot list: "1. den – hospoda".
#pragma once

#include "app/game_state.hpp"

#include <string>

namespace checkpoint {

std::string placeOf(const app::GameState& state);

}  // namespace checkpoint
