// The player's pace: advancing a line, skipping to the next pause, and Esc. A hurry never
// jumps: it runs every tick that would have run, in order, with all its steps, only sooner.
#include "app/main_form.hpp"
#include "app/settle.hpp"
#include "ui/tick_burst.hpp"

#include <utility>

namespace app {

bool TfrmHlavni::canHurry() const {
    // The countdown's seconds are the puzzle; a box holds every tick until it is closed.
    return sequenceRunning() && !TimerDead.enabled() && !clock.held();
}

void TfrmHlavni::hurry(const std::function<bool()>& done) {
    ++hurrying_;
    ui::runTicksNow(clock, {&Timer, &TimerX, &Timer2, &TimerDead}, done, kSettleLimitMs);
    --hurrying_;
    // The skipped ticks' sounds do not pile up: only the last one asked for plays.
    if (std::optional<std::string> last = std::exchange(heldBackSound_, std::nullopt)) playFile(*last);
}

void TfrmHlavni::advance() {
    if (!canHurry()) return;
    if (Timer.enabled()) {
        const std::string shown = lblText.text();
        hurry([this, &shown] { return !Timer.enabled() || lblText.text() != shown; });
    } else if (TimerX.enabled()) {
        if (captionBeingTyped())
            hurry([this] { return !TimerX.enabled() || !captionBeingTyped(); });
        else
            hurry([this] { return !TimerX.enabled(); });
    } else {
        hurry([this] { return !Timer2.enabled(); });
    }
}

void TfrmHlavni::skip() {
    if (!canHurry()) return;
    hurry([this] { return !sequenceRunning(); });
}

bool TfrmHlavni::closeUpOrMapShown() const {
    // In a pause the shield is up only after Průzkum, until Zpět: a close-up (or, with an empty
    // hand, the scene held still) is being examined.
    return state.returnMode != 0 || imgClona->enabled();
}

void TfrmHlavni::escape() {
    if (sequenceRunning()) {
        skip();
        return;
    }
    if (TimerDead.enabled() || clock.held()) return;
    if (btnZpet.enabled() && btnZpet.visible() && closeUpOrMapShown()) btnZpetClick();
}

}  // namespace app
