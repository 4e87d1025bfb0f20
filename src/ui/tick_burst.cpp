#include "ui/tick_burst.hpp"

namespace ui {

namespace {

struct Pending {
    Timer* timer;
    std::int64_t due;    // milliseconds after the burst began
    unsigned restarts;   // the timer's restarts when due was set
};

// The running timer whose tick comes first; ties go to the one listed first.
Pending* firstDue(std::vector<Pending>& pending) {
    Pending* best = nullptr;
    for (Pending& p : pending)
        if (p.timer->enabled() && (best == nullptr || p.due < best->due)) best = &p;
    return best;
}

}  // namespace

int runTicksNow(Clock& clock, const std::vector<Timer*>& timers, const std::function<bool()>& done,
                std::int64_t limitMs) {
    if (clock.held()) return 0;
    std::vector<Pending> pending;
    pending.reserve(timers.size());
    for (Timer* t : timers) pending.push_back({t, t->enabled() ? clock.remainingMs(*t) : 0, t->restarts()});

    int fired = 0;
    while (!done()) {
        Pending* next = firstDue(pending);
        if (next == nullptr || next->due > limitMs) break;
        const std::int64_t now = next->due;
        next->timer->fire();
        ++fired;
        // The fired timer waits again from now; so does every timer the handler restarted.
        for (Pending& p : pending) {
            if (&p != next && p.timer->restarts() == p.restarts) continue;
            p.due = now + p.timer->interval();
            p.restarts = p.timer->restarts();
        }
    }
    if (fired > 0)
        for (Timer* t : timers)
            if (t->enabled()) clock.restart(*t);
    return fired;
}

}  // namespace ui
