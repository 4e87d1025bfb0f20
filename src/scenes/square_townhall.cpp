// Hotspots of the square, the cash machine, the town hall and the secret passage.
#include "app/main_form.hpp"

namespace app {

void TfrmHlavni::imgCur1Click() {}
void TfrmHlavni::imgCur34Click() {}
void TfrmHlavni::imgCur14Click() {}
void TfrmHlavni::imgCur15Click() {}
void TfrmHlavni::imgCur3Click() {}
void TfrmHlavni::imgCur4Click() {}
void TfrmHlavni::imgCur36Click() {}
void TfrmHlavni::imgCur5Click() {}
void TfrmHlavni::imgCur37Click() {}
void TfrmHlavni::imgCur38Click() {}
void TfrmHlavni::imgCur39Click() {}
void TfrmHlavni::imgCur43Click() {}
void TfrmHlavni::imgCur44Click() {}
void TfrmHlavni::imgCur45Click() {}
void TfrmHlavni::imgCur46Click() {}
void TfrmHlavni::imgCur47Click() {}

}  // namespace app
