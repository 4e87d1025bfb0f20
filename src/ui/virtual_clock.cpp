#include "ui/virtual_clock.hpp"

#include <algorithm>

namespace ui {

void VirtualClock::add(Timer& timer) {
    slots_.push_back({&timer, now_ + timer.interval()});
}

VirtualClock::Slot* VirtualClock::slotOf(Timer& timer) {
    for (auto& s : slots_)
        if (s.timer == &timer) return &s;
    return nullptr;
}

const VirtualClock::Slot* VirtualClock::slotOf(const Timer& timer) const {
    for (const auto& s : slots_)
        if (s.timer == &timer) return &s;
    return nullptr;
}

std::int64_t VirtualClock::remainingMs(const Timer& timer) const {
    const Slot* s = slotOf(timer);
    if (s == nullptr) return timer.interval();
    return std::max<std::int64_t>(s->due - now_, 0);
}

void VirtualClock::restart(Timer& timer) {
    if (Slot* s = slotOf(timer)) s->due = now_ + timer.interval();
}

std::int64_t VirtualClock::firesAt(const Slot& slot) const { return std::max(slot.due, now_); }

VirtualClock::Slot* VirtualClock::nextDue(std::int64_t limit) {
    Slot* best = nullptr;
    for (auto& s : slots_) {
        if (!s.timer->enabled() || firesAt(s) > limit) continue;
        if (best == nullptr || firesAt(s) < firesAt(*best)) best = &s;
    }
    return best;
}

void VirtualClock::advance(std::int64_t ms) {
    const std::int64_t target = now_ + ms;
    while (suspended_ == 0) {
        Slot* s = nextDue(target);
        if (s == nullptr) break;
        now_ = firesAt(*s);
        // The next wait starts now, so a handler that restarts the timer overrides it.
        s->due = now_ + s->timer->interval();
        s->timer->fire();
    }
    now_ = target;
}

std::int64_t VirtualClock::untilNextTick() const {
    std::int64_t best = -1;
    for (const auto& s : slots_) {
        if (!s.timer->enabled()) continue;
        const std::int64_t wait = s.due > now_ ? s.due - now_ : 0;
        if (best < 0 || wait < best) best = wait;
    }
    return best;
}

bool VirtualClock::step() {
    const std::int64_t wait = untilNextTick();
    if (wait < 0) return false;
    advance(wait);
    return true;
}

}  // namespace ui
