// A repeating timer of the window model; a Clock decides when its ticks come.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace ui {

class Clock;

class Timer {
public:
    Timer(std::string name, int intervalMs, Clock& clock);
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    [[nodiscard]] const std::string& name() const { return name_; }
    [[nodiscard]] bool enabled() const { return enabled_; }
    [[nodiscard]] int interval() const { return interval_; }

    // Enabling a running timer changes nothing; enabling a stopped one starts a fresh wait.
    void setEnabled(bool on);
    // A new interval on a running timer starts a fresh wait; the same interval changes nothing.
    void setInterval(int ms);

    // Counts every fresh wait (a start, a stop, a new interval while running), so a burst of
    // ticks run at once can tell which timers a handler restarted.
    [[nodiscard]] unsigned restarts() const { return restarts_; }

    // Called by the clock when the wait is over.
    void fire() const {
        if (onTimer) onTimer();
    }

    std::function<void()> onTimer;

private:
    std::string name_;
    int interval_;
    bool enabled_ = false;
    unsigned restarts_ = 0;
    Clock& clock_;
};

// Drives timers: QtClock in the desktop, VirtualClock in tests and the headless driver.
class Clock {
public:
    virtual ~Clock() = default;
    virtual void add(Timer& timer) = 0;
    // A timer was started, stopped or got a new interval while running.
    virtual void restart(Timer& timer) = 0;
    // Milliseconds until the running timer's next tick (0 when one is due or waiting).
    [[nodiscard]] virtual std::int64_t remainingMs(const Timer& timer) const = 0;
    // True while a box holds the clock: no tick may run, not even at the player's request.
    [[nodiscard]] virtual bool held() const = 0;
};

}  // namespace ui
