// "Nahrát": the fixed state of the second morning.
#include "app/main_form.hpp"

namespace app {

void TfrmHlavni::mmNahratClick() {}

}  // namespace app
