// Leaving the village map for one of its four places.
#include "app/main_form.hpp"

namespace app {

void TfrmHlavni::imgMap1Click() {}
void TfrmHlavni::imgMap2Click() {}
void TfrmHlavni::imgMap3Click() {}
void TfrmHlavni::imgMap4Click() {}

}  // namespace app
