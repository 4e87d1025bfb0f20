// Hotspots of the power plant.
#include "app/main_form.hpp"

namespace app {

void TfrmHlavni::imgCur17Click() {}
void TfrmHlavni::imgCur18Click() {}
void TfrmHlavni::imgCur19Click() {}
void TfrmHlavni::imgCur20Click() {}
void TfrmHlavni::imgCur22Click() {}
void TfrmHlavni::imgCur23Click() {}
void TfrmHlavni::imgCur24Click() {}
void TfrmHlavni::imgCur25Click() {}
void TfrmHlavni::imgCur26Click() {}

}  // namespace app
