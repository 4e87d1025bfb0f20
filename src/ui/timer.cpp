#include "ui/timer.hpp"

namespace ui {

Timer::Timer(std::string name, int intervalMs, Clock& clock)
    : name_(std::move(name)), interval_(intervalMs), clock_(clock) {
    clock_.add(*this);
}

void Timer::setEnabled(bool on) {
    if (enabled_ == on) return;
    enabled_ = on;
    ++restarts_;
    clock_.restart(*this);
}

void Timer::setInterval(int ms) {
    if (interval_ == ms) return;
    interval_ = ms;
    if (!enabled_) return;
    ++restarts_;
    clock_.restart(*this);
}

}  // namespace ui
