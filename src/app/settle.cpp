#include "app/settle.hpp"

#include "app/main_form.hpp"
#include "ui/virtual_clock.hpp"

#include <algorithm>

namespace app {

namespace {

template <class Running>
void runWhile(ui::VirtualClock& clock, Running running) {
    const std::int64_t limit = clock.now() + kSettleLimitMs;
    while (running() && clock.now() < limit) {
        const std::int64_t wait = clock.untilNextTick();
        if (wait < 0) break;
        clock.advance(std::min(wait, limit - clock.now()));
    }
}

}  // namespace

void settle(TfrmHlavni& form, ui::VirtualClock& clock) {
    runWhile(clock, [&form] { return form.sequenceRunning(); });
}

void runOutCountdown(TfrmHlavni& form, ui::VirtualClock& clock) {
    runWhile(clock, [&form] { return form.TimerDead.enabled(); });
    settle(form, clock);
}

}  // namespace app
