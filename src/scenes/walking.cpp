// Walking along the street (imgCur6, imgCur7) and stepping back out of a view (imgCur2).
#include "app/main_form.hpp"

namespace app {

void TfrmHlavni::setExaminePictureId() {}
void TfrmHlavni::imgCur2Click() {}
void TfrmHlavni::imgCur6Click() {}
void TfrmHlavni::imgCur7Click() {}

}  // namespace app
