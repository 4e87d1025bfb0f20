// The death countdown of the chase, one TimerDead tick a second.
#include "app/data_files.hpp"
#include "app/main_form.hpp"

namespace app {

namespace {
constexpr int kPursuersCloseSecond = 15;  // the pursuers come into sight
constexpr int kCaughtSecond = 17;         // the agent is caught
}  // namespace

void TfrmHlavni::startDeathCountdown() {
    state.deathStep = 0;
    TimerDead.setEnabled(true);
}

void TfrmHlavni::TimerDeadTimer() {
    ++state.deathStep;
    if (state.deathStep == kPursuersCloseSecond) showPicture(pic::tt1b);
    if (state.deathStep == kCaughtSecond) {
        showPicture(pic::dead);
        TimerDead.setEnabled(false);
        imgClona->setEnabled(false);
        state.deathStep = 0;
    }
}

}  // namespace app
