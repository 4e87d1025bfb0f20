// Examining the held item (Průzkum) and returning to the scene (Zpět).
#include "app/main_form.hpp"

namespace app {

void TfrmHlavni::btnPruzkumClick() {}

void TfrmHlavni::btnZpetClick() {}

}  // namespace app
