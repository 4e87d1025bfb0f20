// The typed location caption of TimerX.
#include "app/main_form.hpp"

namespace app {

void TfrmHlavni::TimerXTimer() {}

}  // namespace app
