// The agent's short remarks to himself, paced by Timer2.
#include "app/main_form.hpp"

namespace app {

void TfrmHlavni::startRemark(int startFrame) {
    state.remarkFrame = startFrame;
    Timer2.setEnabled(true);
    imgClona->setEnabled(true);
}

void TfrmHlavni::Timer2Timer() {}

}  // namespace app
