// A clock that moves only when told: tests and the headless driver advance it by milliseconds.
#pragma once

#include "ui/timer.hpp"

#include <cstdint>
#include <vector>

namespace ui {

class VirtualClock final : public Clock {
public:
    void add(Timer& timer) override;
    void restart(Timer& timer) override;
    [[nodiscard]] std::int64_t remainingMs(const Timer& timer) const override;
    [[nodiscard]] bool held() const override { return suspended_ > 0; }

    // Fires every tick due within the next ms milliseconds in time order; ties go to the
    // timer created first. A handler that restarts a timer moves its next tick. Time never
    // runs backwards: a tick that fell due while the clock was held comes once, late, now.
    void advance(std::int64_t ms);
    // Advances to the next due tick and fires it; false when no timer runs.
    bool step();
    // Milliseconds until the next tick, or -1 when no timer runs.
    [[nodiscard]] std::int64_t untilNextTick() const;

    [[nodiscard]] std::int64_t now() const { return now_; }

    // While suspended (a box is open) no tick fires. As in the desktop, each timer that fell due
    // meanwhile keeps one tick waiting, delivered at the next advance after the outermost resume
    // in timer creation order; its following tick comes one interval after that late one.
    void suspend() { ++suspended_; }
    void resume() {
        if (suspended_ > 0) --suspended_;
    }

private:
    struct Slot {
        Timer* timer;
        std::int64_t due;
    };
    // When the slot's tick comes: when it is due, or now for one that fell due while held.
    [[nodiscard]] std::int64_t firesAt(const Slot& slot) const;
    Slot* nextDue(std::int64_t limit);
    Slot* slotOf(Timer& timer);
    [[nodiscard]] const Slot* slotOf(const Timer& timer) const;

    std::vector<Slot> slots_;
    std::int64_t now_ = 0;
    int suspended_ = 0;
};

}  // namespace ui
