// Hotspots of the factory and the park.
#include "app/main_form.hpp"

namespace app {

void TfrmHlavni::imgCur27Click() {}
void TfrmHlavni::imgCur28Click() {}
void TfrmHlavni::imgCur29Click() {}
void TfrmHlavni::imgCur30Click() {}
void TfrmHlavni::imgCur31Click() {}
void TfrmHlavni::imgCur32Click() {}
void TfrmHlavni::imgCur35Click() {}

}  // namespace app
