// Combining the fishing line with the nut, and taking the gun and the magazine apart.
#include "app/main_form.hpp"

namespace app {

void TfrmHlavni::btnSpojitClick() {}

void TfrmHlavni::removeCombinedParts() {}

void TfrmHlavni::lbPredmetyDblClick() {}

}  // namespace app
