// The death countdown of the chase, one TimerDead tick a second.
#include "app/main_form.hpp"

namespace app {

void TfrmHlavni::startDeathCountdown() {
    state.deathStep = 0;
    TimerDead.setEnabled(true);
}

void TfrmHlavni::TimerDeadTimer() {}

}  // namespace app
