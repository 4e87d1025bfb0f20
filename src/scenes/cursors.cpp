// The cursor each hotspot shows under the pointer.
#include "app/main_form.hpp"

namespace app {

void TfrmHlavni::imgCurMouseMove(int) {}
void TfrmHlavni::imgMapMouseMove(int) {}

}  // namespace app
