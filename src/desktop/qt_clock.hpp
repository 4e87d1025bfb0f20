// The game's clock in the desktop: one QTimer behind each model timer, held while a box is open.
#pragma once

#include "ui/timer.hpp"

#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

namespace desktop {

class QtClock final : public ui::Clock {
public:
    QtClock() = default;
    QtClock(const QtClock&) = delete;
    QtClock& operator=(const QtClock&) = delete;
    ~QtClock() override;

    void add(ui::Timer& timer) override;
    void restart(ui::Timer& timer) override;
    [[nodiscard]] std::int64_t remainingMs(const ui::Timer& timer) const override;
    [[nodiscard]] bool held() const override { return suspended(); }

    // While suspended no handler runs; a timer that falls due keeps one tick waiting, delivered
    // from the event loop after the outermost resume (never inside the handler that suspended).
    void suspend();
    void resume();
    [[nodiscard]] bool suspended() const { return suspended_ > 0; }

    // Runs after every tick delivered, so the window can show what the tick changed.
    std::function<void()> afterTick;

private:
    struct Slot {
        ui::Timer* timer = nullptr;
        std::unique_ptr<QTimer> qtTimer;
        bool tickWaiting = false;
    };

    void onTimeout(Slot& slot);
    void deliver(Slot& slot);
    void deliverWaitingTicks();
    [[nodiscard]] Slot* slotOf(const ui::Timer& timer) const;

    std::vector<std::unique_ptr<Slot>> slots_;
    QObject context_;  // owns the queued delivery of waiting ticks
    int suspended_ = 0;
    bool delivering_ = false;
};

// Suspends a clock for the lifetime of a scope (a modal box).
class ClockHold {
public:
    explicit ClockHold(QtClock& clock) : clock_(clock) { clock_.suspend(); }
    ClockHold(const ClockHold&) = delete;
    ClockHold& operator=(const ClockHold&) = delete;
    ~ClockHold() { clock_.resume(); }

private:
    QtClock& clock_;
};

}  // namespace desktop
