// Running a clock's ticks at once when the player asks to hurry: every tick that would have
// come, in the order it would have come, only sooner.
#pragma once

#include "ui/timer.hpp"

#include <cstdint>
#include <functional>
#include <vector>

namespace ui {

// Fires the running timers' ticks in the order the clock would have fired them (by time, ties
// to the earlier timer of the list, which is their creation order) until done() holds, no timer
// runs, or the next tick lies more than limitMs of game time ahead. A handler that starts,
// stops or re-times a timer moves its next tick as it would on the clock. Nothing runs while a
// box holds the clock. Afterwards every running timer waits a fresh interval on the clock.
// Returns the number of ticks fired.
int runTicksNow(Clock& clock, const std::vector<Timer*>& timers, const std::function<bool()>& done,
                std::int64_t limitMs);

}  // namespace ui
