// The story clock: each tick of Timer counts storyTick and runs the script for it.
#include "app/main_form.hpp"
#include "story/script.hpp"

namespace app {

void TfrmHlavni::TimerTimer() {
    ++state.storyTick;
    story::runTick(*this, *script_, state.storyTick);
}

void TfrmHlavni::startCutscene(int startValue) {
    state.storyTick = startValue;
    Timer.setEnabled(true);
    imgClona->setEnabled(true);
}

void TfrmHlavni::resumeStoryClock() {
    Timer.setEnabled(true);
    imgClona->setEnabled(true);
}

void TfrmHlavni::pauseStory() {
    Timer.setEnabled(false);
    imgClona->setEnabled(false);
}

}  // namespace app
