// Hotspots of the inn, the hotel and the tobacconist.
#include "app/main_form.hpp"

namespace app {

void TfrmHlavni::imgCur8Click() {}
void TfrmHlavni::imgCur10Click() {}
void TfrmHlavni::imgCur33Click() {}
void TfrmHlavni::imgCur11Click() {}
void TfrmHlavni::imgCur12Click() {}
void TfrmHlavni::imgCur13Click() {}
void TfrmHlavni::imgCur40Click() {}
void TfrmHlavni::imgCur41Click() {}
void TfrmHlavni::imgCur42Click() {}
void TfrmHlavni::imgCur9Click() {}
void TfrmHlavni::imgCur16Click() {}
void TfrmHlavni::imgCur21Click() {}

}  // namespace app
