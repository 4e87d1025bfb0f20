// A repeating timer of the window model; a Clock decides when its ticks come.
#pragma once

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

    // Called by the clock when the wait is over.
    void fire() const {
        if (onTimer) onTimer();
    }

    std::function<void()> onTimer;

private:
    std::string name_;
    int interval_;
    bool enabled_ = false;
    Clock& clock_;
};

// Drives timers: QtClock in the desktop, VirtualClock in tests and the headless driver.
class Clock {
public:
    virtual ~Clock() = default;
    virtual void add(Timer& timer) = 0;
    // A timer was started, stopped or got a new interval while running.
    virtual void restart(Timer& timer) = 0;
};

}  // namespace ui
