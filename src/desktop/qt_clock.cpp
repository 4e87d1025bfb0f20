#include "desktop/qt_clock.hpp"

#include <algorithm>

namespace desktop {

QtClock::~QtClock() = default;

void QtClock::add(ui::Timer& timer) {
    auto slot = std::make_unique<Slot>();
    slot->timer = &timer;
    slot->qtTimer = std::make_unique<QTimer>();
    slot->qtTimer->setTimerType(Qt::PreciseTimer);
    Slot& added = *slot;
    QObject::connect(added.qtTimer.get(), &QTimer::timeout, &context_, [this, &added] { onTimeout(added); });
    slots_.push_back(std::move(slot));
    restart(timer);
}

QtClock::Slot* QtClock::slotOf(const ui::Timer& timer) const {
    for (auto& slot : slots_)
        if (slot->timer == &timer) return slot.get();
    return nullptr;
}

void QtClock::restart(ui::Timer& timer) {
    Slot* slot = slotOf(timer);
    if (slot == nullptr) return;
    // A fresh wait replaces a tick that was waiting, as a stop drops it.
    slot->tickWaiting = false;
    if (timer.enabled())
        slot->qtTimer->start(timer.interval());
    else
        slot->qtTimer->stop();
}

std::int64_t QtClock::remainingMs(const ui::Timer& timer) const {
    const Slot* slot = slotOf(timer);
    if (slot == nullptr || !slot->qtTimer->isActive()) return timer.interval();
    if (slot->tickWaiting) return 0;
    return std::max(slot->qtTimer->remainingTime(), 0);
}

void QtClock::onTimeout(Slot& slot) {
    if (suspended_ > 0 || delivering_) {
        slot.tickWaiting = true;
        return;
    }
    deliver(slot);
}

void QtClock::deliver(Slot& slot) {
    if (!slot.timer->enabled()) return;
    delivering_ = true;
    slot.timer->fire();
    delivering_ = false;
    if (afterTick) afterTick();
}

void QtClock::suspend() { ++suspended_; }

void QtClock::resume() {
    if (suspended_ == 0) return;
    if (--suspended_ > 0) return;
    QTimer::singleShot(0, &context_, [this] { deliverWaitingTicks(); });
}

void QtClock::deliverWaitingTicks() {
    // A box opened again in the meantime: the ticks wait for its resume.
    if (suspended_ > 0 || delivering_) return;
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        Slot& slot = *slots_[i];
        if (!slot.tickWaiting) continue;
        slot.tickWaiting = false;
        if (!slot.timer->enabled()) continue;
        // The next tick comes one interval after this late one.
        slot.qtTimer->start(slot.timer->interval());
        deliver(slot);
    }
}

}  // namespace desktop
