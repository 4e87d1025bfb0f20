// Playing without a window: letting the virtual clock run until the player has control.
#pragma once

#include <cstdint>

namespace ui {
class VirtualClock;
}

namespace app {

class TfrmHlavni;

// The checkpoint path of a game that must never touch the disk: its directory cannot exist.
inline constexpr const char* kNoCheckpointPath = "/nonexistent-kvelnor-dir/data.dat";

// How much game time one settle may run, so a story that never pauses cannot hang a driver.
constexpr std::int64_t kSettleLimitMs = 30LL * 60 * 1000;

// Advances until Timer, TimerX and Timer2 have all stopped, that is until the player has
// control, at most kSettleLimitMs; the death countdown is not waited for.
void settle(TfrmHlavni& form, ui::VirtualClock& clock);

// Lets the death countdown run to its end (at most kSettleLimitMs), then settles.
void runOutCountdown(TfrmHlavni& form, ui::VirtualClock& clock);

}  // namespace app
